#include "core/savetarget.h"

#include <climits>
#include <cstdlib>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder a path names, resolved by the system; nothing when it does not exist.
std::optional<QByteArray> realFolder(const QByteArray& folder)
{
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(folder.constData(), nullptr),
                                                           &std::free);
    if (!real)
        return std::nullopt;
    const QByteArray resolved(real.get());
    return resolved.endsWith('/') ? resolved : resolved + '/';
}

} // namespace

std::optional<QByteArray> realSaveTarget(QByteArray path)
{
    // As many links as the system itself follows before it reports a loop.
    constexpr int linkLimit = 40;
    for (int links = 0; links <= linkLimit; ++links) {
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray name = path.mid(slash + 1);
        if (name.isEmpty() || name == "." || name == "..")
            return std::nullopt;
        const std::optional<QByteArray> folder = realFolder(slash < 0    ? QByteArray(".")
                                                            : slash == 0 ? QByteArray("/")
                                                                         : path.left(slash));
        if (!folder)
            return std::nullopt;
        const QByteArray target = *folder + name;
        struct stat info {};
        if (::lstat(target.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t size = ::readlink(target.constData(), link.data(), size_t(link.size()));
        if (size < 0 || size >= link.size())
            return std::nullopt;
        link.truncate(size);
        path = link.startsWith('/') ? link : *folder + link;
    }
    return std::nullopt;
}
