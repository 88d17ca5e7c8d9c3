// Any bytes as an .xlsx workbook: the zip archive, its parts' XML, the sheet's
// rows. A damaged workbook is refused with ImportFileError, never more.
#include "exchange/WorkbookReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const ImportFile file =
            readWorkbookDraws(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
        for (const ImportLine& draw : file.draws)
            if (draw.number.size() != 3 || (draw.issue.size() != 5 && draw.issue.size() != 7))
                __builtin_trap();
    } catch (const ImportFileError&) {
    }
    return 0;
}
