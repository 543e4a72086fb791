// The list file reader on any bytes: every byte that is not a line break lands in an entry,
// in order, and writing the entries and reading them back gives the same entries. The
// entries are views into shared buffers: a list built from another's entries, a part of it
// and a copy keep their bytes once the list they came from is gone; a list of entries that
// stood apart in the file is written with CR LF after each.
#include "core/listfile.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    std::optional<AddressList> entries = parseListBytes(bytes);

    QByteArray kept;
    for (const char c : bytes)
        if (c != '\r' && c != '\n')
            kept += c;
    QByteArray joined;
    for (const QByteArrayView entry : *entries) {
        if (entry.contains('\r') || entry.contains('\n'))
            std::abort();
        joined += entry;
    }
    if (joined != kept)
        std::abort();

    const QByteArray written = listFileBytes(*entries);
    if (parseListBytes(written) != *entries || listFileBytes(parseListBytes(written)) != written)
        std::abort();

    AddressList rebuilt;
    for (qsizetype i = 0; i < entries->size(); ++i) {
        if (i % 3 == 0)
            rebuilt.append(entries->at(i));
        else
            rebuilt.append(*entries, i);
    }
    // Every other entry: entries that stood apart in the file meet in the list.
    AddressList sparse;
    QByteArray sparseWritten;
    for (qsizetype i = 0; i < entries->size(); i += 2) {
        sparse.append(*entries, i);
        sparseWritten += entries->at(i).toByteArray() + "\r\n";
    }
    const AddressList tail = entries->mid(entries->size() / 2);
    const AddressList copy = *entries;
    entries.reset();
    if (listFileBytes(rebuilt) != written || listFileBytes(copy) != written ||
        !written.endsWith(listFileBytes(tail)) || listFileBytes(sparse) != sparseWritten)
        std::abort();
    return 0;
}
