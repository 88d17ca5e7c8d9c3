#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TFrm_about : public QDialog
{
    Q_OBJECT
public:
    // Names the data folder in use, where the history and the user's files are.
    explicit TFrm_about(const QString& dataFolder, QWidget* parent = nullptr);

    QPushButton* Button1;
    QLabel* DataFolder;
};
