#pragma once

#include <QDialog>

class QLabel;

// Borderless picture shown while the main window is being made.
class TFrm_Splash : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_Splash(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;

protected:
    void showEvent(QShowEvent* event) override;
};
