#pragma once

#include <QDialog>
#include <functional>

class Dialogs;
class DrawStore;
class IssueListModel;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The history export window: an issue range of the active game goes into an
// .xlsx workbook in the temporary folder, which then opens in the desktop's
// spreadsheet application. Made anew at every opening.
class TFrm_Out : public QDialog
{
    Q_OBJECT
public:
    // Opens a written file or its folder; false when nothing can open it.
    using FileOpener = std::function<bool(const QString& path)>;

    TFrm_Out(DrawStore& store, Dialogs& dialogs, QWidget* parent = nullptr);
    void setFileOpener(FileOpener opener) { m_open = std::move(opener); }

    // The range the window starts at, as the grid shows it; without one, or
    // when its issues are gone, the oldest draw alone.
    void setRange(const QString& first, const QString& last);
    void FormShow();
    void BitBtn1Click(); // "确定": writes and opens the workbook

    static const QString kEmptyRange;
    static const QString kOpenFolder;
    // What the window says when no program opens the written file.
    static QString nothingOpens(const QString& path);
    static QString folderDoesNotOpen(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* GroupBox1;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QComboBox* ComboBox2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

    DrawStore& m_store;
    Dialogs& m_dialogs;
    IssueListModel* m_issues;
    FileOpener m_open;
    QString m_first, m_last;
};
