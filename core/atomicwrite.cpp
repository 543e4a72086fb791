#include "core/atomicwrite.h"

#include "core/apperror.h"
#include "core/descriptordevice.h"
#include "core/savetarget.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Writer = std::function<bool(QIODevice&)>;

// Any failure of a save; the caller names the file in the error the user sees.
struct SaveFailed {};

// A descriptor closed at the end of its scope, or by close(), which says how that went.
class Descriptor {
public:
    explicit Descriptor(int descriptor)
        : m_descriptor(descriptor)
    {
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }

    operator int() const { return m_descriptor; }
    bool close() { return m_descriptor < 0 || ::close(std::exchange(m_descriptor, -1)) == 0; }

private:
    int m_descriptor;
};

// A new file beside the target, removed again unless it was renamed over the target.
class TemporaryFile {
public:
    explicit TemporaryFile(const QByteArray& target)
        : m_name(target.left(target.lastIndexOf('/') + 1) + ".quillmere-XXXXXX")
        , m_descriptor(::mkostemp(m_name.data(), O_CLOEXEC))
        , m_made(m_descriptor >= 0)
    {
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (m_made && !m_renamed)
            ::unlink(m_name.constData());
    }

    Descriptor& descriptor() { return m_descriptor; }
    bool renameTo(const QByteArray& target)
    {
        m_renamed = ::rename(m_name.constData(), target.constData()) == 0;
        return m_renamed;
    }

private:
    QByteArray m_name;
    Descriptor m_descriptor;
    bool m_made;
    bool m_renamed = false;
};

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeTo(int descriptor, bool startWriteback, const Writer& write)
{
    DescriptorDevice device(descriptor, startWriteback);
    return write(device);
}

enum class Replaced { Yes, NotWithoutLoss };

// A new file written beside the target and renamed over it. The data of a file that replaces
// one that held anything reaches the disk before the rename: without it a power cut can leave
// neither the old nor the new list. A new name needs no such wait, as nothing old can be lost.
Replaced replace(const QByteArray& target, const struct stat* old, const Writer& write)
{
    TemporaryFile temporary(target);
    Descriptor& file = temporary.descriptor();
    if (file < 0) {
        if (old)
            return Replaced::NotWithoutLoss;
        throw SaveFailed();
    }
    struct stat made {};
    if (old &&
        (::fstat(file, &made) != 0 || ((made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
                                       ::fchown(file, old->st_uid, old->st_gid) != 0)))
        return Replaced::NotWithoutLoss;
    const bool mustSync = old && old->st_size > 0;
    if (::fchmod(file, old ? old->st_mode & 07777 : newFileMode()) != 0 ||
        !writeTo(file, mustSync, write) || (mustSync && ::fdatasync(file) != 0) || !file.close())
        throw SaveFailed();
    if (temporary.renameTo(target))
        return Replaced::Yes;
    if (old && (errno == EBUSY || errno == EXDEV))
        return Replaced::NotWithoutLoss;
    throw SaveFailed();
}

// Written in place: room for the whole new contents is secured before any old byte is
// touched, so a full disk, a quota or a file-size limit leaves the old file whole. A pipe or
// a device takes the bytes as they come; there a failure can only be reported.
bool writeInPlace(Descriptor& file, const struct stat& old, const Writer& write)
{
    if (!S_ISREG(old.st_mode)) {
        const int flags = ::fcntl(file, F_GETFL);
        return flags >= 0 && ::fcntl(file, F_SETFL, flags & ~O_NONBLOCK) == 0 &&
               writeTo(file, false, write) &&
               (::fdatasync(file) == 0 || errno == EINVAL || errno == EROFS) && file.close();
    }
    DescriptorDevice measure;
    if (!write(measure))
        return false;
    const qint64 size = measure.written();
    if (size > 0 && ::posix_fallocate(file, 0, size) != 0) {
        // Room that ran out part of the way may have lengthened the file: cut back to the old
        // bytes, which were not touched.
        const bool cutBack = ::ftruncate(file, old.st_size) == 0;
        Q_UNUSED(cutBack);
        return false;
    }
    return writeTo(file, true, write) && ::ftruncate(file, size) == 0 && ::fdatasync(file) == 0 &&
           file.close();
}

void save(const QByteArray& name, const Writer& write)
{
    // Beyond a file-size limit, or into a pipe whose reader has gone, the system would end
    // the program; instead the write fails (EFBIG, EPIPE) and the save reports it.
    static const bool signalsIgnored =
        std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && std::signal(SIGPIPE, SIG_IGN) != SIG_ERR;
    Q_UNUSED(signalsIgnored);

    const std::optional<QByteArray> target = realSaveTarget(name);
    if (!target)
        throw SaveFailed();
    struct stat old {};
    if (::stat(target->constData(), &old) != 0) {
        if (errno != ENOENT)
            throw SaveFailed();
        replace(*target, nullptr, write);
        return;
    }
    // Opened first, as a plain write would open it: a file the user may not write is refused,
    // and so is a pipe that nobody reads, which would otherwise hold the program until
    // someone does.
    Descriptor existing(::open(target->constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (existing < 0 || ::fstat(existing, &old) != 0)
        throw SaveFailed();
    const bool renameKeepsAll = S_ISREG(old.st_mode) && old.st_nlink == 1;
    if ((!renameKeepsAll || replace(*target, &old, write) == Replaced::NotWithoutLoss) &&
        !writeInPlace(existing, old, write))
        throw SaveFailed();
}

} // namespace

void writeFileAtomically(const QString& fileName, const Writer& write)
{
    try {
        save(QFile::encodeName(fileName), write);
    } catch (const SaveFailed&) {
        throw AppError::cannotCreate(fileName);
    }
}

void writeFileAtomically(const QString& fileName, QByteArrayView bytes)
{
    writeFileAtomically(fileName, [bytes](QIODevice& file) {
        return file.write(bytes.data(), bytes.size()) == bytes.size();
    });
}
