#pragma once

#include <QDialog>

class Dialogs;
class DrawStore;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QUrl;
class QWebEnginePage;
class TFrmMain;

// The result download window: loads a results page of the active game in a
// hidden web page, reads the draws in its text and enters every draw not yet
// stored through the main window's entry command. Lives for the whole run.
class TFrm_DataUpdate : public QDialog
{
    Q_OBJECT
public:
    TFrm_DataUpdate(TFrmMain& main, DrawStore& store, Dialogs& dialogs, QString listPath, QWidget* parent = nullptr);
    ~TFrm_DataUpdate() override;

    void FormShow();
    void SpeedButton1Click();
    void SpeedButton2Click();
    // The page's load started / finished.
    void WebBrowser1NavigateComplete2();
    void WebBrowser1DownloadComplete();
    // Everything after the page text is read: the entries, the log, the closing message.
    void processPageText(const QString& text);

    bool isWaiting() const { return m_waiting; }
    bool hasFound() const { return m_found; }
    // The hidden page, made at the first download.
    QWebEnginePage* page() const { return WebBrowser1; }

    static const QString kAskHistory;
    static const QString kDownloading;
    static const QString kAnalysing;
    static const QString kUpdated;
    static const QString kNothingNew;
    static const QString kNoAddress;
    static QString badAddress(const QString& address); // a line that names no page

signals:
    // After a read page has been processed (whatever its outcome).
    void pageProcessed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadPage(const QUrl& url);
    void pageTextRead(const QVariant& text);
    void log(const QString& line);

    QGroupBox* SeSkinGroupBox1;
    QRadioButton* SeSkinRadioButton2;
    QLabel* SeSkinLabel1;
    QRadioButton* SeSkinRadioButton1;
    QLabel* SeSkinLabel2;
    QListWidget* ListBox1;
    QPushButton* SeSkinButton1;
    QPushButton* SpeedButton1;
    QPushButton* SpeedButton2;
    QPlainTextEdit* Memo1;
    QWebEnginePage* WebBrowser1 = nullptr;

    TFrmMain& m_main;
    DrawStore& m_store;
    Dialogs& m_dialogs;
    QString m_listPath;
    bool m_found = false;
    bool m_waiting = true;
};
