#include "exchange/HistoryWorkbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
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

// A descriptor closed at the end of its scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

// A folder only this user may enter: a folder (not a link), ours, closed to others.
bool isOursAlone(const QByteArray& folder)
{
    const Descriptor fd(open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info{};
    return fd.valid() && fstat(fd.get(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 077) == 0;
}

} // namespace

QString HistoryWorkbook::exportFolder(const QString& temporaryRoot)
{
    // The shared temporary folder lets anyone plant a folder or a link under a
    // name we would write to: the same folder is used each time only while it
    // is ours alone, else a fresh one, and never one we have not checked.
    const QString folder = QDir(temporaryRoot).filePath(QStringLiteral("quorvane-%1").arg(getuid()));
    const QByteArray path = QFile::encodeName(folder);
    mkdir(path.constData(), 0700); // an existing one is checked like a new one
    if (isOursAlone(path))
        return folder;
    QByteArray fresh = QFile::encodeName(QDir(temporaryRoot).filePath(QStringLiteral("quorvane-XXXXXX")));
    if (mkdtemp(fresh.data()))
        return QFile::decodeName(fresh);
    throw ExportError(QStringLiteral("无法导出：临时文件夹 %1 中的 %2 不是只属于本用户的文件夹，"
                                     "也无法新建一个（磁盘已满或没有写入权限）。请检查临时文件夹后再试。")
                          .arg(QDir::toNativeSeparators(temporaryRoot), QFileInfo(folder).fileName()));
}

QString HistoryWorkbook::exportPath(const QString& first, const QString& last, const QString& temporaryRoot)
{
    // Issues are digits; anything else is kept out of the file name, and so
    // is the length of a text that is no issue: names have a limit.
    static const QRegularExpression unsafe(QStringLiteral("[^0-9A-Za-z]"));
    constexpr qsizetype kLongestIssue = 20;
    const QString name = QStringLiteral("历史数据_%1_%2.xlsx")
                             .arg(first.left(kLongestIssue).replace(unsafe, QStringLiteral("_")),
                                  last.left(kLongestIssue).replace(unsafe, QStringLiteral("_")));
    return QDir(exportFolder(temporaryRoot)).filePath(name);
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
    Workbook(const QString& path, const QByteArray& scratch) : m_scratch(scratch)
    {
        lxw_workbook_options options{};
        // Rows go out in order, so they can be streamed instead of held.
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_scratch.data();
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
            throw ExportError(QStringLiteral("无法写入文件 %1：磁盘空间不足或文件夹不可写，没有导出。").arg(path));
    }

private:
    QByteArray m_scratch;
    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
};

} // namespace

namespace {

// A folder made for one export's pieces, removed with what it holds.
class ScratchFolder
{
public:
    explicit ScratchFolder(const QString& beside)
        : m_path(QFile::encodeName(QDir(beside).filePath(QStringLiteral(".quorvane-export-XXXXXX"))))
    {
        m_made = mkdtemp(m_path.data()) != nullptr;
    }
    ~ScratchFolder()
    {
        if (m_made)
            QDir(QFile::decodeName(m_path)).removeRecursively();
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    bool made() const { return m_made; }
    const QByteArray& path() const { return m_path; }

private:
    QByteArray m_path;
    bool m_made = false;
};

QString writeFailure(const QString& path, int error)
{
    return error == ENOSPC || error == EDQUOT
               ? QStringLiteral("磁盘空间不足，无法写入文件 %1，没有导出。").arg(path)
               : QStringLiteral("无法写入文件 %1（文件夹不可写或已有同名文件夹），没有导出。").arg(path);
}

// Copies the finished workbook into a file made anew under its name in the
// folder `folder` (opened without following a link): an old file of the name
// goes first, and O_EXCL | O_NOFOLLOW make sure what is written is the new file.
void placeFile(const QString& path, int folder, const QByteArray& name, const QByteArray& from)
{
    QFile source(QFile::decodeName(from));
    if (!source.open(QIODevice::ReadOnly))
        throw ExportError(writeFailure(path, EIO));
    unlinkat(folder, name.constData(), 0); // a link under the name goes, never what it points to
    const Descriptor target(openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!target.valid())
        throw ExportError(writeFailure(path, errno));
    char buffer[1 << 16];
    for (;;) {
        const qint64 got = source.read(buffer, sizeof buffer);
        if (got < 0)
            throw ExportError(writeFailure(path, EIO));
        if (got == 0)
            break;
        for (qint64 done = 0; done < got;) {
            const ssize_t put = write(target.get(), buffer + done, size_t(got - done));
            if (put < 0) {
                const int error = errno;
                unlinkat(folder, name.constData(), 0);
                throw ExportError(writeFailure(path, error));
            }
            done += put;
        }
    }
    if (fsync(target.get()) != 0) {
        const int error = errno;
        unlinkat(folder, name.constData(), 0);
        throw ExportError(writeFailure(path, error));
    }
}

} // namespace

void writeHistoryWorkbook(const QString& path, const std::vector<DrawRecord>& draws)
{
    const QFileInfo info(path);
    const QByteArray folderPath = QFile::encodeName(info.path());
    const Descriptor folder(open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid())
        throw ExportError(QStringLiteral("无法写入文件夹 %1，没有导出。").arg(info.path()));
    // The writer names its own files; it works in a folder made for it, so
    // none of them can be a link someone planted.
    const ScratchFolder scratch(info.path());
    if (!scratch.made())
        throw ExportError(writeFailure(path, errno));
    const QByteArray built = scratch.path() + "/workbook.xlsx";
    {
        Workbook book(QFile::decodeName(built), scratch.path());
        book.writeRow(0, HistoryWorkbook::titles());
        lxw_row_t row = 1;
        for (const DrawRecord& draw : draws)
            book.writeRow(row++, HistoryWorkbook::rowCells(draw));
        book.close(path);
    }
    placeFile(path, folder.get(), QFile::encodeName(info.fileName()), built);
}
