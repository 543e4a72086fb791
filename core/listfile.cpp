#include "core/listfile.h"

#include "core/apperror.h"
#include "core/atomicwrite.h"
#include "core/largepages.h"

#include <QBuffer>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Calls entry(begin, end) for every entry of `bytes` that a line break ends, in order.
template <typename Entry>
qsizetype forEachEntry(const char* bytes, qsizetype size, const Entry& entry)
{
    qsizetype lineStart = 0;
    qsizetype block = 0;
#if defined(__SSE2__)
    // Thirty-two bytes at a time, as masks of their CRs and LFs: every CR ends an entry, and
    // so does every LF that does not follow a CR. The next entry starts after the break, or
    // after the LF of a CR LF.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const auto maskOf = [&](qsizetype at, __m128i byte) {
        const auto* half = reinterpret_cast<const __m128i*>(bytes + at);
        const quint32 low = quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(half), byte)));
        const quint32 high =
            quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(half + 1), byte)));
        return low | high << 16;
    };
    bool afterCr = false;
    for (; block + 32 < size; block += 32) {
        const quint32 crs = maskOf(block, cr);
        const quint32 lfs = maskOf(block, lf);
        const quint32 crLfs = crs & ((lfs >> 1) | (bytes[block + 32] == '\n' ? 1u << 31 : 0));
        quint32 ends = crs | (lfs & ~((crs << 1) | quint32(afterCr)));
        for (; ends != 0; ends &= ends - 1) {
            const int bit = std::countr_zero(ends);
            entry(lineStart, block + bit);
            lineStart = block + bit + 1 + ((crLfs >> bit) & 1);
        }
        afterCr = (crs >> 31) != 0;
    }
    if (afterCr && bytes[block] == '\n')
        ++block; // the LF of a CR LF whose CR ended the last block: the entry was cut there
#endif
    for (qsizetype p = block; p < size; ++p) {
        if (bytes[p] != '\r' && bytes[p] != '\n')
            continue;
        entry(lineStart, p);
        if (bytes[p] == '\r' && p + 1 < size && bytes[p + 1] == '\n')
            ++p;
        lineStart = p + 1;
    }
    return lineStart;
}

// Cuts `bytes` into entries that are views into it; the list keeps `bytes`, no line is copied.
AddressList linesOf(QByteArray bytes)
{
    const char* const begin = bytes.constData();
    const qsizetype size = bytes.size();
    QList<AddressList::Entry> entries;
    // Room for lines a little shorter than most addresses: untouched room costs no memory,
    // and the entries grow past it if need be.
    AddressList::reserveEntries(entries, size / 24 + 1);
    const qsizetype rest = forEachEntry(begin, size, [&](qsizetype start, qsizetype end) {
        entries.append({begin + start, end - start});
    });
    if (rest < size)
        entries.append({begin + rest, size - rest});
    return AddressList(std::move(bytes), std::move(entries));
}

// The whole file in one buffer, read straight into it: its size is known beforehand, but
// a file that another program makes longer or shorter meanwhile is read to its real end.
QByteArray readAllOf(QFile& file, const QString& fileName)
{
    QByteArray bytes(std::max<qint64>(file.size(), 0), Qt::Uninitialized);
    adviseLargePages(bytes.constData(), bytes.size());
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

// Text that starts with a UTF-16 byte order mark, in either byte order (a spreadsheet's
// "Unicode text"), as UTF-8, the locale's encoding, without the mark; any other bytes as
// they are. Code units that are not valid UTF-16 become U+FFFD.
QByteArray utf8FromUtf16(QByteArray bytes)
{
    const bool little = bytes.startsWith("\xFF\xFE");
    if (!little && !bytes.startsWith("\xFE\xFF"))
        return bytes;
    // Stateless: a lone last byte becomes U+FFFD too, not nothing.
    QStringDecoder decode(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                          QStringConverter::Flag::Stateless |
                              QStringConverter::Flag::ConvertInitialBom);
    const QString text = decode(QByteArrayView(bytes).sliced(2));
    bytes.clear();
    return text.toUtf8();
}

// What is written is gathered into chunks of this size: few write calls, and no second copy
// of a whole list.
constexpr qsizetype writeChunkSize = qsizetype(1) << 20;

class ChunkedWriter {
public:
    explicit ChunkedWriter(QIODevice& file)
        : m_file(file)
        , m_chunk(writeChunkSize, Qt::Uninitialized)
    {
    }

    bool write(QByteArrayView bytes)
    {
        while (bytes.size() > writeChunkSize - m_used) {
            const qsizetype room = writeChunkSize - m_used;
            std::memcpy(m_chunk.data() + m_used, bytes.data(), size_t(room));
            m_used = writeChunkSize;
            if (!flush())
                return false;
            bytes = bytes.sliced(room);
        }
        if (!bytes.isEmpty())
            std::memcpy(m_chunk.data() + m_used, bytes.data(), size_t(bytes.size()));
        m_used += bytes.size();
        return true;
    }

    bool flush()
    {
        const qsizetype size = std::exchange(m_used, 0);
        return m_file.write(m_chunk.constData(), size) == size;
    }

private:
    QIODevice& m_file;
    QByteArray m_chunk;
    qsizetype m_used = 0;
};

// Every entry followed by CR LF. Entries that stand one after another in the buffer they come
// from, with CR LF between them there (a list read from a CR LF file), are one piece of that
// buffer, written as it stands rather than line by line.
bool writeLines(QIODevice& file, AddressList::const_iterator first,
                AddressList::const_iterator last)
{
    ChunkedWriter out(file);
    const char* runStart = nullptr;
    qsizetype runSize = -1; // none yet
    // A list in another order than its bytes (a sorted one) reads its lines from all over
    // memory: the lines a few entries on are fetched while this one is copied.
    constexpr qsizetype fetchAhead = 16;
    for (; first != last; ++first) {
        if (last - first > fetchAhead)
            __builtin_prefetch(first[fetchAhead].data());
        const QByteArrayView line = *first;
        if (runSize >= 0 && quintptr(line.data()) == quintptr(runStart) + quintptr(runSize) + 2 &&
            runStart[runSize] == '\r' && runStart[runSize + 1] == '\n') {
            runSize += 2 + line.size();
            continue;
        }
        if (runSize >= 0 && !(out.write({runStart, runSize}) && out.write("\r\n")))
            return false;
        runStart = line.data();
        runSize = line.size();
    }
    if (runSize >= 0 && !(out.write({runStart, runSize}) && out.write("\r\n")))
        return false;
    return out.flush();
}

} // namespace

AddressList parseListBytes(QByteArrayView bytes)
{
    return linesOf(bytes.toByteArray());
}

QByteArray listFileBytes(const AddressList& list)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    writeLines(bytes, list.begin(), list.end());
    return bytes.data();
}

AddressList readListFile(const QString& fileName,
                         std::initializer_list<const AddressList*> heldLists)
{
    // Only a regular file is a list: a pipe would hold the program until someone writes to
    // it, and a device may never end. It is checked before the open, which a device may act
    // on, and again on what was opened; the open does not wait for a pipe's writer.
    const QByteArray name = QFile::encodeName(fileName);
    struct stat info {};
    const int descriptor =
        ::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode)
            ? ::open(name.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)
            : -1;
    QFile file;
    if (descriptor < 0 || ::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        if (descriptor >= 0)
            ::close(descriptor);
        throw AppError::cannotOpen(fileName);
    }
    // A file larger than the memory the program can get is a file it cannot open.
    try {
        QByteArray bytes = utf8FromUtf16(readAllOf(file, fileName));
        for (const AddressList* const held : heldLists)
            if (QByteArray same = held->wholeBufferEqualTo(bytes); !same.isNull()) {
                bytes = std::move(same);
                break;
            }
        return linesOf(std::move(bytes));
    } catch (const std::bad_alloc&) {
        throw AppError::cannotOpen(fileName);
    }
}

void writeListFile(const QString& fileName, const AddressList& list)
{
    writeFileAtomically(
        fileName, [&list](QIODevice& file) { return writeLines(file, list.begin(), list.end()); });
}

void writeListFile(const QString& fileName, const AddressList& list, qsizetype from,
                   qsizetype count)
{
    const auto first = list.begin() + std::clamp<qsizetype>(from, 0, list.size());
    const auto last = first + std::clamp<qsizetype>(count, 0, list.end() - first);
    writeFileAtomically(fileName,
                        [first, last](QIODevice& file) { return writeLines(file, first, last); });
}
