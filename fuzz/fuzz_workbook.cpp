// Any bytes as an .xlsx workbook: the zip archive, its parts' XML, the sheet's
// rows. A damaged workbook is refused with ImportFileError, never more, and
// every draw it gives is one the entry panel would take.
#include "core/DrawEntry.h"
#include "exchange/WorkbookReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const ImportFile file =
            readWorkbookDraws(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
        for (const ImportLine& draw : file.draws)
            if (!entryInputProblem(draw.issue, draw.number).isEmpty())
                __builtin_trap();
    } catch (const ImportFileError&) {
    }
    return 0;
}
