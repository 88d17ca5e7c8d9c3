#include "exchange/HistoryWorkbook.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>

ExportError::ExportError(const QString& message) : std::runtime_error(message.toStdString()) {}

const QStringList& HistoryWorkbook::titles()
{
    static const QStringList list{QStringLiteral("期数"), QStringLiteral("第一位"), QStringLiteral("第二位"),
                                  QStringLiteral("第三位"), QStringLiteral("总和")};
    return list;
}

namespace {

// The shared temporary folder lets anyone plant a file or a link under a
// name we would write to. Exports go into a folder only this user can enter:
// the same one each time, unless what stands under its name is not ours.
QString privateTemporaryFolder()
{
    const QString folder = QDir(QDir::tempPath()).filePath(QStringLiteral("quorvane-%1").arg(getuid()));
    const QByteArray path = QFile::encodeName(folder);
    mkdir(path.constData(), 0700);
    struct stat info{};
    if (lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
        (info.st_mode & 077) == 0)
        return folder;
    QTemporaryDir fresh(QDir(QDir::tempPath()).filePath(QStringLiteral("quorvane-XXXXXX")));
    fresh.setAutoRemove(false); // the spreadsheet program opens the file after we are done
    return fresh.isValid() ? fresh.path() : folder;
}

} // namespace

QString HistoryWorkbook::exportPath(const QString& first, const QString& last)
{
    // Issues are digits; anything else is kept out of the file name, and so
    // is the length of a text that is no issue: names have a limit.
    static const QRegularExpression unsafe(QStringLiteral("[^0-9A-Za-z]"));
    constexpr qsizetype kLongestIssue = 20;
    const QString name = QStringLiteral("历史数据_%1_%2.xlsx")
                             .arg(first.left(kLongestIssue).replace(unsafe, QStringLiteral("_")),
                                  last.left(kLongestIssue).replace(unsafe, QStringLiteral("_")));
    return QDir(privateTemporaryFolder()).filePath(name);
}

QStringList HistoryWorkbook::rowCells(const DrawRecord& draw)
{
    return {draw.qs, draw.allNumber.mid(0, 1), draw.allNumber.mid(1, 1), draw.allNumber.mid(2, 1),
            QString::number(draw.asum)};
}

namespace {

// What one cell of a spreadsheet holds at most.
constexpr qsizetype kLongestCell = 32767;

class Workbook
{
public:
    explicit Workbook(const QString& path)
    {
        lxw_workbook_options options{};
        // Rows go out in order, so they can be streamed instead of held.
        options.constant_memory = LXW_TRUE;
        m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
        if (!m_book)
            throw ExportError(QStringLiteral("无法创建文件 %1").arg(path));
        m_sheet = workbook_add_worksheet(m_book, nullptr);
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    void writeRow(lxw_row_t row, const QStringList& cells)
    {
        for (int column = 0; column < cells.size(); ++column) {
            // The library refuses such a cell with an English text; say it our way.
            if (cells[column].size() > kLongestCell && cells[column].toUcs4().size() > kLongestCell)
                throw ExportError(
                    QStringLiteral("第%1行第%2列的内容超过%3个字符，表格放不下，无法导出。")
                        .arg(QString::number(row + 1), QString::number(column + 1), QString::number(kLongestCell)));
            const lxw_error error =
                worksheet_write_string(m_sheet, row, lxw_col_t(column), cells[column].toUtf8().constData(), nullptr);
            if (error != LXW_NO_ERROR)
                throw ExportError(QString::fromUtf8(lxw_strerror(error)));
        }
    }

    void close(const QString& path)
    {
        const lxw_error error = workbook_close(std::exchange(m_book, nullptr));
        if (error != LXW_NO_ERROR)
            throw ExportError(QStringLiteral("无法写入文件 %1：%2").arg(path, QString::fromUtf8(lxw_strerror(error))));
    }

private:
    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
};

} // namespace

void writeHistoryWorkbook(const QString& path, const std::vector<DrawRecord>& draws)
{
    try {
        Workbook book(path);
        book.writeRow(0, HistoryWorkbook::titles());
        lxw_row_t row = 1;
        for (const DrawRecord& draw : draws)
            book.writeRow(row++, HistoryWorkbook::rowCells(draw));
        book.close(path);
    } catch (const ExportError&) {
        QFile::remove(path); // no half-written workbook is left for anyone to open
        throw;
    }
}
