#include "core/listfile.h"

#include "core/apperror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Calls lineBreakAt(p) for every CR or LF at position p of `bytes`, in order.
template <typename LineBreakAt>
void forEachLineBreak(const char* bytes, qsizetype size, const LineBreakAt& lineBreakAt)
{
    qsizetype block = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: a mask of the breaks among them, visited bit by bit.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; block + 16 <= size; block += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + block));
        unsigned breaks = unsigned(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf))));
        for (; breaks != 0; breaks &= breaks - 1)
            lineBreakAt(block + std::countr_zero(breaks));
    }
#endif
    for (qsizetype p = block; p < size; ++p)
        if (bytes[p] == '\r' || bytes[p] == '\n')
            lineBreakAt(p);
}

// Cuts `bytes` into entries that are views into it; the list keeps `bytes`, no line is copied.
AddressList linesOf(QByteArray bytes)
{
    const char* const begin = bytes.constData();
    const qsizetype size = bytes.size();
    QList<AddressList::Entry> entries;
    entries.reserve(size / 32 + 1); // about a line's length; the list grows past it if need be
    qsizetype lineStart = 0;
    qsizetype lastCr = -2;
    forEachLineBreak(begin, size, [&](qsizetype p) {
        const bool cr = begin[p] == '\r';
        if (cr || p != lastCr + 1) // the LF of a CR LF ends no entry of its own
            entries.append({begin + lineStart, p - lineStart});
        lineStart = p + 1;
        if (cr)
            lastCr = p;
    });
    if (lineStart < size)
        entries.append({begin + lineStart, size - lineStart});
    return AddressList(std::move(bytes), std::move(entries));
}

// The whole file in one buffer, read straight into it: its size is known beforehand, but
// a file that another program makes longer or shorter meanwhile is read to its real end.
QByteArray readAllOf(QFile& file, const QString& fileName)
{
    QByteArray bytes(std::max<qint64>(file.size(), 0), Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        qint64 got = 0;
        if (done < bytes.size()) {
            got = file.read(bytes.data() + done, bytes.size() - done);
        } else {
            char more[1 << 16];
            got = file.read(more, sizeof more);
            if (got > 0) {
                bytes.resize(done + got);
                std::memcpy(bytes.data() + done, more, size_t(got));
            }
        }
        if (got < 0)
            throw AppError::cannotOpen(fileName);
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}

// Whole entries, each followed by CR LF, gathered into chunks of this size before they are
// written: no second copy of a whole list, and few write calls.
constexpr qsizetype writeChunkSize = qsizetype(1) << 20;

bool writeLines(QIODevice& file, const AddressList& list)
{
    QByteArray chunk(writeChunkSize, Qt::Uninitialized);
    char* const chunkStart = chunk.data();
    char* out = chunkStart;
    const auto flush = [&] {
        const qint64 size = out - chunkStart;
        out = chunkStart;
        return file.write(chunkStart, size) == size;
    };
    for (const QByteArrayView line : list) {
        if (line.size() + 2 > writeChunkSize - (out - chunkStart)) {
            if (!flush())
                return false;
            if (line.size() + 2 > writeChunkSize) {
                if (file.write(line.data(), line.size()) != line.size() ||
                    file.write("\r\n", 2) != 2)
                    return false;
                continue;
            }
        }
        if (!line.isEmpty())
            std::memcpy(out, line.data(), size_t(line.size()));
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return flush();
}

} // namespace

AddressList parseListBytes(QByteArrayView bytes)
{
    return linesOf(bytes.toByteArray());
}

QByteArray listFileBytes(const AddressList& list)
{
    qsizetype size = 0;
    for (const QByteArrayView entry : list)
        size += entry.size() + 2;
    QByteArray bytes(size, Qt::Uninitialized);
    char* out = bytes.data();
    for (const QByteArrayView entry : list) {
        if (!entry.isEmpty())
            std::memcpy(out, entry.data(), size_t(entry.size()));
        out += entry.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return bytes;
}

AddressList readListFile(const QString& fileName)
{
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw AppError::cannotOpen(fileName);
    // A file larger than the memory the program can get is a file it cannot open.
    try {
        return linesOf(readAllOf(file, fileName));
    } catch (const std::bad_alloc&) {
        throw AppError::cannotOpen(fileName);
    }
}

void writeFileAtomically(const QString& fileName, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit())
        throw AppError::cannotCreate(fileName);
}

void writeFileAtomically(const QString& fileName, QByteArrayView bytes)
{
    writeFileAtomically(fileName, [bytes](QIODevice& file) {
        return file.write(bytes.data(), bytes.size()) == bytes.size();
    });
}

void writeListFile(const QString& fileName, const AddressList& list)
{
    writeFileAtomically(fileName, [&list](QIODevice& file) { return writeLines(file, list); });
}
