#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// What the grid area shows while the history is empty: a short hint and the
// two ways in, the history download and the import of a file.
class FirstStartHint : public QWidget
{
    Q_OBJECT
public:
    explicit FirstStartHint(QWidget* parent = nullptr);

    static const QString kText;

signals:
    void downloadRequested();
    void importRequested();

private:
    QLabel* m_text;
    QPushButton* m_download;
    QPushButton* m_import;
};
