// Saves and loads against the table of targets in tests/data/saves.tsv: each row makes files,
// folders, links, pipes and devices, then, in a child process as root or as another user and
// under limits, saves the list "new" to one name or loads one, and compares the message and
// every name in the folder afterwards. tests/data/README.md describes the notation.
#include "core/apperror.h"
#include "core/listfile.h"
#include "support/testfiles.h"

#include <QDirIterator>
#include <QRegularExpression>

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray shown(QByteArrayView bytes)
{
    return bytes.toByteArray().toPercentEncoding("@/");
}

// " MODE UID:GID", each where it differs from what root makes.
QByteArray ownership(const struct stat& info, mode_t usual)
{
    QByteArray text;
    if ((info.st_mode & 07777) != usual)
        text += ' ' + QByteArray::number(info.st_mode & 07777, 8);
    if (info.st_uid != 0 || info.st_gid != 0)
        text += ' ' + QByteArray::number(info.st_uid) + ':' + QByteArray::number(info.st_gid);
    return text;
}

// Every name in the folder, as the table writes it; a pipe shows what its reader got.
QByteArray state(const QString& folder, const QMap<QByteArray, int>& readers)
{
    QByteArrayList entries;
    for (QDirIterator it(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QByteArray path = QFile::encodeName(it.next());
        QByteArray entry = QFile::encodeName(QDir(folder).relativeFilePath(it.filePath()));
        struct stat info {};
        char bytes[256];
        ::lstat(path, &info);
        if (S_ISLNK(info.st_mode))
            entry += "->" + QByteArray(bytes, ::readlink(path, bytes, sizeof bytes));
        else if (S_ISDIR(info.st_mode))
            entry += '/' + ownership(info, 0755);
        else if (S_ISFIFO(info.st_mode))
            entry +=
                '|' + shown({bytes, std::max(0L, ::read(readers[entry], bytes, sizeof bytes))});
        else if (S_ISCHR(info.st_mode))
            entry += '%' + QByteArray::number(major(info.st_rdev)) + ':' +
                     QByteArray::number(minor(info.st_rdev));
        else
            entry += '=' + shown(TestFolder::read(path)) + ownership(info, 0644);
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end());
    return entries.join("; ");
}

// Makes the names of the "before" column in that notation, and opens a reader for each pipe
// written "|" ("|-" has none).
QMap<QByteArray, int> make(const QByteArray& before)
{
    QMap<QByteArray, int> readers;
    static const QRegularExpression notation(R"(^([^=|%]+?)(->.*|==.*|=.*|\|.*|%.*|/)$)");
    for (const QByteArray& entry : before.split(';')) {
        const QByteArrayList words = entry.trimmed().split(' ');
        const QRegularExpressionMatch parts = notation.match(QString::fromUtf8(words[0]));
        const QByteArray name = parts.captured(1).toUtf8(), rest = parts.captured(2).toUtf8();
        if (!parts.hasMatch())
            continue;
        bool made = true;
        if (rest.startsWith("->"))
            made = ::symlink(rest.mid(2), name) == 0;
        else if (rest.startsWith("=="))
            made = ::link(rest.mid(2), name) == 0;
        else if (QFile file(name); rest.startsWith('='))
            made = file.open(QIODevice::WriteOnly) &&
                   file.write(QByteArray::fromPercentEncoding(rest.mid(1))) >= 0;
        else if (rest.startsWith('|'))
            made = ::mkfifo(name, 0644) == 0 &&
                   (rest == "|-" || (readers[name] = ::open(name, O_RDONLY | O_NONBLOCK)) >= 0);
        else if (rest.startsWith('%'))
            made = ::mknod(name, S_IFCHR | 0644,
                           makedev(rest.mid(1).split(':')[0].toUInt(),
                                   rest.split(':')[1].toUInt())) == 0;
        else
            made = ::mkdir(name, 0755) == 0;
        const QByteArrayList ids = words.value(2, "0:0").split(':');
        if (!made || (words.size() > 1 && ::chmod(name, words[1].toUInt(nullptr, 8)) != 0) ||
            (words.size() > 2 && ::chown(name, ids[0].toUInt(), ids[1].toUInt()) != 0))
            qFatal("cannot make %s", entry.constData());
    }
    return readers;
}

// In the child: who saves ("UID:GID[+GROUP]", or root), limits ("fsize=BYTES") and a file
// bind-mounted over another ("bind=FILE:ON") in a mount namespace of its own.
bool become(const QString& who)
{
    for (const QString& word : who.split(' ')) {
        const QString value = word.section('=', 1);
        const rlimit limit{value.toULong(), value.toULong()};
        if (word.startsWith("fsize=") && ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return false;
        if (word.startsWith("bind=") &&
            (::unshare(CLONE_NEWNS) != 0 ||
             ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
             ::mount(qPrintable(value.section(':', 0, 0)), qPrintable(value.section(':', 1)),
                     nullptr, MS_BIND, nullptr) != 0))
            return false;
        const gid_t group = word.section('+', 1).toUInt();
        if (word.contains(':') && !word.contains('=') &&
            (::setgroups(group ? 1 : 0, &group) != 0 ||
             ::setgid(word.section(':', 1).section('+', 0, 0).toUInt()) != 0 ||
             ::setuid(word.section(':', 0, 0).toUInt()) != 0))
            return false;
    }
    return true;
}

// What the operation ("save NAME" or "load NAME") says: "saved", the entries loaded, or the
// error's text.
QByteArray run(const QByteArray& operation)
{
    const QString name = QString::fromUtf8(operation.mid(5));
    try {
        if (operation.startsWith("save")) {
            writeListFile(name, AddressList{"new"});
            return "saved";
        }
        QByteArrayList entries;
        for (const QByteArrayView entry : readListFile(name))
            entries.append(shown(entry));
        return "loaded " + entries.join('|');
    } catch (const AppError& error) {
        return error.message().toUtf8();
    }
}

} // namespace

class TestSaves : public QObject {
    Q_OBJECT

private slots:
    void target_data()
    {
        QTest::addColumn<QByteArrayList>("row");
        for (const QByteArray& line :
             TestFolder::read(QUILLMERE_TEST_DATA "/saves.tsv").split('\n'))
            if (!line.isEmpty() && !line.startsWith('#'))
                QTest::newRow(line.left(line.indexOf('\t'))) << line.split('\t');
    }

    void target()
    {
        QFETCH(QByteArrayList, row);
        QCOMPARE(row.size(), 6); // case, before, who, operation, message, after
        if (::geteuid() != 0)
            QSKIP("makes devices, owners and mounts: needs root");
        const QTemporaryDir folder;
        QVERIFY(::chmod(QFile::encodeName(folder.path()), 0755) == 0 &&
                QDir::setCurrent(folder.path()));
        const QMap<QByteArray, int> readers = make(row[1]);
        int message[2];
        QVERIFY(::pipe(message) == 0);
        const pid_t child = fork();
        if (child == 0) {
            ::alarm(20); // a save or load that waits for a pipe fails the row
            ::umask(022);
            const QByteArray said =
                become(QString::fromUtf8(row[2])) ? run(row[3]) : "cannot become " + row[2];
            _exit(::write(message[1], said, size_t(said.size())) == said.size() ? 0 : 1);
        }
        ::close(message[1]);
        char said[4096];
        const ssize_t size = ::read(message[0], said, sizeof said);
        int status = 0;
        ::close(message[0]);
        QVERIFY(::waitpid(child, &status, 0) == child && WIFEXITED(status));
        QCOMPARE(QByteArray(said, std::max(0L, size)), row[4]);
        QCOMPARE(state(folder.path(), readers), row[5]);
        for (const int reader : readers)
            ::close(reader);
    }
};

QTEST_GUILESS_MAIN(TestSaves)
#include "tst_saves.moc"
