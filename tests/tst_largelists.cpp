#include "core/apperror.h"
#include "core/listfile.h"
#include "support/testfiles.h"

#include <QFile>
#include <QTest>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class TestLargeLists : public QObject {
    Q_OBJECT
    TestFolder m_folder;

private slots:
    void fileLargerThanMemoryCannotBeOpened()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer reserves terabytes of address space: no limit can go below it");
#endif
        const QString path = m_folder.write("sparse.txt", {});
        QVERIFY(QFile::resize(path, qint64(8) << 30)); // a hole: no block is written
        const pid_t child = fork();
        if (child == 0) {
            const rlimit limit{rlim_t(2) << 30, rlim_t(2) << 30};
            AddressList list{"kept"};
            try {
                setrlimit(RLIMIT_AS, &limit);
                list = readListFile(path);
            } catch (const AppError& error) {
                _exit(error.message() == "Cannot open file " + path && list == AddressList{"kept"});
            }
            _exit(2);
        }
        int status = 0;
        QVERIFY(waitpid(child, &status, 0) == child && WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 1);
    }

    // Lines of every length up to two blocks of the line-break scan, and two longer than the
    // chunks writing gathers, end with every kind of break; they come back whole.
    void breaksAtEveryPlaceOfLongLines()
    {
        const QByteArrayList breaks{"\r\n", "\r", "\n", "\r\r\n", "\n\r"}; // last two: 2 entries
        QByteArray bytes;
        AddressList expected;
        for (int length = 0; length < 80; ++length) {
            const QByteArray line = length == 40   ? QByteArray(70'000, 'x') + "@long.test"
                                    : length == 41 ? QByteArray(3 << 20, '\xe9')
                                                   : QByteArray(length, char('a' + length % 26));
            bytes += line + breaks[length % 5];
            expected.append(line);
            if (length % 5 > 2)
                expected.append("");
        }
        QVERIFY(readListFile(m_folder.write("long.txt", bytes)) == expected);
        writeListFile(m_folder.path("written.txt"), expected);
        QVERIFY(readListFile(m_folder.path("written.txt")) == expected);
    }

    void fileOverFourGigabytes()
    {
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
        QSKIP("reads 4 GB, too slow for a debug build: the release build runs it");
#endif
        const qint64 hole = (qint64(1) << 32) + 10; // NUL bytes, stored as a hole
        QFile file(m_folder.write("over4g.txt", "a@b.test\r\n"));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(10 + hole));
        QVERIFY(file.write("\r\nz@y.test") == 10 && file.flush());
        const AddressList read = readListFile(file.fileName());
        QCOMPARE(read.size(), qsizetype(3));
        QVERIFY(read[0] == "a@b.test" && read[2] == "z@y.test");
        QCOMPARE(qint64(read[1].size()), hole);
    }

    // The bytes stay as long as any list refers to them; appending to a list and to a copy of it
    // never writes into what the other holds.
    void copiesKeepTheirBytes()
    {
        AddressList copy, part, taken;
        {
            AddressList source = readListFile(m_folder.write("source.txt", "a\r\nb\r\n"));
            source.append("made");
            copy = source;
            part = source.mid(1);
            taken.append(source, 2);
            source.append("later"); // where the copies' buffer has room, which they never see
            copy.append("copy");
            QCOMPARE(source, (AddressList{"a", "b", "made", "later"}));
        }
        part.append("part");
        QCOMPARE(copy, (AddressList{"a", "b", "made", "copy"}));
        QCOMPARE(part, (AddressList{"b", "made", "part"}));
        QCOMPARE(taken, AddressList{"made"});
    }

    // A list opened again shares the bytes a held list read only while the file still holds
    // exactly them, and never shares a buffer that a list fills itself.
    void listOpenedAgainSharesOnlyTheSameBytes()
    {
        const QString path = m_folder.write("again.txt", "a\r\nb\r\n");
        const AddressList first = readListFile(path);
        const AddressList again = readListFile(path, {&first});
        QCOMPARE(again, (AddressList{"a", "b"}));
        QCOMPARE(again[0].data(), first[0].data());

        m_folder.write("again.txt", "c\r\nd\r\n");
        QCOMPARE(readListFile(path, {&first}), (AddressList{"c", "d"}));
        QCOMPARE(first, (AddressList{"a", "b"}));

        const QByteArray filling(4096, 'f'); // fills the list's first buffer to its end
        const AddressList made{filling};
        const AddressList read = readListFile(m_folder.write("made.txt", filling), {&made});
        QCOMPARE(read, made);
        QVERIFY(read[0].data() != made[0].data());
    }
};

QTEST_GUILESS_MAIN(TestLargeLists)
#include "tst_largelists.moc"
