#pragma once

#include <QDialog>

class QPushButton;

class TFrm_about : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_about(QWidget* parent = nullptr);

    QPushButton* Button1;
};
