#include "core/atomicwrite.h"

#include "core/apperror.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

#include <sys/stat.h>

namespace {

// The permissions of the file being replaced, or those a new file gets.
mode_t permissionsFor(const QString& target)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat old {};
    return ::stat(QFile::encodeName(target), &old) == 0 ? old.st_mode & 07777 : 0666 & ~mask;
}

} // namespace

void writeFileAtomically(const QString& fileName, const std::function<bool(QIODevice&)>& write)
{
    // The target of a link is replaced, not the link.
    const QFileInfo target(QFileInfo(fileName).isSymLink() ? QFileInfo(fileName).symLinkTarget()
                                                           : fileName);
    if (target.isDir())
        throw AppError::cannotCreate(fileName);
    // A short name of its own, so a target whose name is already as long as names may be
    // still has a temporary file beside it.
    QTemporaryFile temporary(target.absolutePath() + "/.quillmere-XXXXXX");
    if (!temporary.open()) {
        // A folder the user may not write holds no temporary file; an existing file there that
        // the user may write is then written in place, as a plain write would do.
        QFile inPlace(target.absoluteFilePath());
        if (!target.exists() || QFileInfo(target.absolutePath()).isWritable() ||
            !inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate) || !write(inPlace) ||
            !inPlace.flush())
            throw AppError::cannotCreate(fileName);
        return;
    }
    // Renamed over the target once complete, so a failed write leaves the old file as it
    // was. Like cp, split or sort -o, it does not wait for the disk before the rename.
    if (::fchmod(temporary.handle(), permissionsFor(target.absoluteFilePath())) != 0 ||
        !write(temporary) || !temporary.flush())
        throw AppError::cannotCreate(fileName);
    temporary.close();
    if (temporary.error() != QFileDevice::NoError ||
        ::rename(QFile::encodeName(temporary.fileName()),
                 QFile::encodeName(target.absoluteFilePath())) != 0)
        throw AppError::cannotCreate(fileName);
    temporary.setAutoRemove(false);
}

void writeFileAtomically(const QString& fileName, QByteArrayView bytes)
{
    writeFileAtomically(fileName, [bytes](QIODevice& file) {
        return file.write(bytes.data(), bytes.size()) == bytes.size();
    });
}
