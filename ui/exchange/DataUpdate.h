#pragma once

#include <QDialog>

class Dialogs;
class DrawStore;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QUrl;
class QRadioButton;
class EntryCommand;
class PageLoader;

// The result download window: loads the result pages of the active game's
// line of the address list through the page helper (PageLoader), takes the
// draws of the last page and enters, in issue order at the history's issue width, every draw
// not yet stored through the main window's entry command. Lives for the whole run.
class TFrm_DataUpdate : public QDialog
{
    Q_OBJECT
public:
    TFrm_DataUpdate(EntryCommand& entry, DrawStore& store, Dialogs& dialogs, QString listPath,
                    QWidget* parent = nullptr);
    ~TFrm_DataUpdate() override;

    void FormShow();
    void SpeedButton1Click(); // "开始下载"
    void SpeedButton2Click(); // "退出"
    // Starts the download of the active game's history at once (the first-start hint's command).
    void startHistoryDownload();
    // Everything after the page text is read: the entries, the log, the closing message.
    void processPageText(const QString& text);

    bool hasFound() const { return m_found; }
    bool isLoading() const;
    PageLoader& loader() const { return *m_loader; }

    // The log's line after the entries: how many draws were new.
    static QString newDraws(int count);
    // The log's line naming the issues missing inside the range that came in.
    static QString missing(const QStringList& issues);

    static const QString kAskHistory;
    static const QString kDownloading;
    static const QString kAnalysing;
    static const QString kUpdated;
    static const QString kNothingNew;
    static const QString kCancelled;
    static const QString kNoAddress;
    static QString badAddress(const QString& address);    // a line that names no page
    static QString notWebAddress(const QString& address); // a file, a path or another scheme

signals:
    // After a read page has been processed (whatever its outcome).
    void pageProcessed();
    // After a download ended without a page to process (nothing loaded, no draws, given up).
    void downloadFailed();

protected:
    void showEvent(QShowEvent* event) override;

    // The loader's answers, under the handler names the window always had.
    void WebBrowser1NavigateComplete2(const QUrl& page);   // a page finished loading
    void WebBrowser1DownloadComplete(const QString& text); // the page's draws are read

private:
    void downloadEnded(const QString& message);
    void showLoading(bool loading);
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
    QProgressBar* m_progress; // busy while a page loads
    QPushButton* m_cancel;    // 取消
    QPlainTextEdit* Memo1;
    PageLoader* m_loader;

    EntryCommand& m_entry;
    DrawStore& m_store;
    Dialogs& m_dialogs;
    QString m_listPath;
    bool m_found = false;
};
