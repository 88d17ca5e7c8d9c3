#include "exchange/ZipArchive.h"

#include "exchange/ImportFile.h"

#include <algorithm>
#include <minizip/unzip.h>

namespace {

using Memory = ZipArchive::Memory;

voidpf ZCALLBACK openMemory(voidpf opaque, const void*, int mode)
{
    return (mode & ZLIB_FILEFUNC_MODE_WRITE) ? nullptr : opaque;
}

uLong ZCALLBACK readMemory(voidpf, voidpf stream, void* buffer, uLong size)
{
    Memory& memory = *static_cast<Memory*>(stream);
    const quint64 left = quint64(memory.bytes->size()) - std::min(memory.position, quint64(memory.bytes->size()));
    const uLong count = uLong(std::min<quint64>(size, left));
    std::copy_n(memory.bytes->constData() + memory.position, count, static_cast<char*>(buffer));
    memory.position += count;
    return count;
}

uLong ZCALLBACK writeMemory(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK tellMemory(voidpf, voidpf stream)
{
    return static_cast<Memory*>(stream)->position;
}

long ZCALLBACK seekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    Memory& memory = *static_cast<Memory*>(stream);
    const quint64 size = quint64(memory.bytes->size());
    quint64 base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = memory.position;
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = size;
    if (offset > size || base > size - offset)
        return -1;
    memory.position = base + offset;
    return 0;
}

int ZCALLBACK closeMemory(voidpf, voidpf)
{
    return 0;
}

int ZCALLBACK memoryError(voidpf, voidpf)
{
    return 0;
}

const QString kDamaged = QStringLiteral("文件已损坏，或不是 .xlsx 工作簿");

} // namespace

ZipArchive::ZipArchive(const QByteArray& bytes) : m_memory{&bytes, 0}
{
    zlib_filefunc64_def io{};
    io.zopen64_file = openMemory;
    io.zread_file = readMemory;
    io.zwrite_file = writeMemory;
    io.ztell64_file = tellMemory;
    io.zseek64_file = seekMemory;
    io.zclose_file = closeMemory;
    io.zerror_file = memoryError;
    io.opaque = &m_memory;
    m_zip = unzOpen2_64("", &io);
    if (!m_zip)
        throw ImportFileError(kDamaged);
}

ZipArchive::~ZipArchive()
{
    unzClose(m_zip);
}

bool ZipArchive::contains(const char* name) const
{
    return unzLocateFile(m_zip, name, 1) == UNZ_OK;
}

void ZipArchive::read(const char* name, qint64 cap, const std::function<void(const char*, int)>& chunk) const
{
    if (unzLocateFile(m_zip, name, 1) != UNZ_OK)
        throw ImportFileError(kDamaged);
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        throw ImportFileError(kDamaged);
    if (info.flag & 1u)
        throw ImportFileError(QStringLiteral("工作簿已加密，请先在表格软件中取消密码再导入"));
    if (unzOpenCurrentFile(m_zip) != UNZ_OK)
        throw ImportFileError(kDamaged);
    char buffer[65536];
    qint64 total = 0;
    int count = 0;
    try {
        while ((count = unzReadCurrentFile(m_zip, buffer, sizeof buffer)) > 0) {
            total += count;
            if (total > cap)
                throw ImportFileError(QStringLiteral("工作簿解压后超过 %1 MB，不是可以导入的开奖数据").arg(cap >> 20));
            chunk(buffer, count);
        }
    } catch (...) {
        unzCloseCurrentFile(m_zip);
        throw;
    }
    // Closing checks the CRC of what was read.
    if (unzCloseCurrentFile(m_zip) != UNZ_OK || count < 0)
        throw ImportFileError(kDamaged);
}

QByteArray ZipArchive::read(const char* name, qint64 cap) const
{
    QByteArray bytes;
    read(name, cap, [&](const char* data, int size) { bytes.append(data, size); });
    return bytes;
}
