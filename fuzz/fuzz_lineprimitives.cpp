// The line primitives and the sort on lines made of any bytes: the address token keeps its
// promises, and the sort gives exactly the literal algorithm's permutation.
#include "core/abcQSort.h"
#include "core/lineprimitives.h"
#include "core/listfile.h"
#include "reference/literalquicksort.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool isSeparator(char c)
{
    return c == '\0' || c == ' ' || c == ',' || c == '\t';
}

void checkLine(QByteArrayView line)
{
    const QByteArrayView address = ExtractAddress(line);
    for (const char c : address)
        if (isSeparator(c))
            std::abort();
    // The token never ends in a byte of code 0 to 32; it may begin with one of codes 1 to 31
    // when such a byte follows a separator inside the line ("a \x01b" gives "\x01b").
    if (!address.isEmpty() && static_cast<unsigned char>(address.back()) <= 32)
        std::abort();
    if (!TrimControl(line).endsWith(address))
        std::abort();
    const QByteArrayView domain = DomainOf(address);
    if (!address.endsWith(domain) || (address.contains('@') && domain.size() >= address.size()))
        std::abort();
    const QByteArrayView lineDomain = LineDomain(line);
    if (!domain.contains(lineDomain))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const AddressList lines =
        parseListBytes(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const QByteArrayView line : lines)
        checkLine(line);
    // The comparison is checked through the order it gives.
    AddressList sorted = lines;
    QuickSortList(sorted);
    AddressList expected = lines;
    literal::quickSortList(expected);
    if (sorted != expected)
        std::abort();
    return 0;
}
