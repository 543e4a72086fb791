#include "core/descriptordevice.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

DescriptorDevice::DescriptorDevice(int descriptor, bool startWriteback)
    : m_descriptor(descriptor)
    , m_startWriteback(startWriteback)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 DescriptorDevice::writeData(const char* data, qint64 size)
{
    const qint64 start = m_written;
    for (qint64 done = 0; m_descriptor >= 0 && done < size;) {
        const ssize_t wrote = ::write(m_descriptor, data + done, size_t(size - done));
        if (wrote < 0 && errno != EINTR)
            return -1;
        done += wrote > 0 ? wrote : 0;
    }
    m_written += size;
    // Only starts the writing: the sync at the end reports how it went.
    if (m_startWriteback)
        ::sync_file_range(m_descriptor, start, size, SYNC_FILE_RANGE_WRITE);
    return size;
}
