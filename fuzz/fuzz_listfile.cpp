// The list file reader on any bytes: every byte that is not a line break lands in an entry,
// in order, and writing the entries and reading them back gives the same entries.
#include "core/listfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const AddressList entries = parseListBytes(bytes);

    QByteArray kept;
    for (const char c : bytes)
        if (c != '\r' && c != '\n')
            kept += c;
    QByteArray joined;
    for (const QByteArray& entry : entries) {
        if (entry.contains('\r') || entry.contains('\n'))
            std::abort();
        joined += entry;
    }
    if (joined != kept)
        std::abort();

    const QByteArray written = listFileBytes(entries);
    if (parseListBytes(written) != entries || listFileBytes(parseListBytes(written)) != written)
        std::abort();
    return 0;
}
