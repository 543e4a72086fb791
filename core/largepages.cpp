#include "core/largepages.h"

#include <sys/mman.h>

namespace {

constexpr quintptr largePageSize = quintptr(2) << 20;

} // namespace

void adviseLargePages(const void* data, qsizetype size)
{
    // Only whole large pages inside the block: the system takes advice for pages, not bytes.
    const quintptr begin = (quintptr(data) + largePageSize - 1) & ~(largePageSize - 1);
    const quintptr end = (quintptr(data) + quintptr(size)) & ~(largePageSize - 1);
    if (size > 0 && begin < end)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}
