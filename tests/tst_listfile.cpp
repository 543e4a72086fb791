#include "core/apperror.h"
#include "core/listfile.h"
#include "support/bytelists.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestListFile : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void hugeLine();
    void crlfFileRoundTripsByteForByte();
    void writesCrLfAfterEveryEntry();
    void missingFileCannotBeOpened();
    void folderCannotBeOpened();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
};

void TestListFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArrayList>("entries");

    QTest::addRow("empty file") << QByteArray() << QByteArrayList();
    QTest::addRow("only CR LF") << QByteArray("\r\n") << QByteArrayList{""};
    QTest::addRow("only CR") << QByteArray("\r") << QByteArrayList{""};
    QTest::addRow("only LF") << QByteArray("\n") << QByteArrayList{""};
    QTest::addRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArrayList{"a", "b"};
    QTest::addRow("LF only") << QByteArray("a\nb\n") << QByteArrayList{"a", "b"};
    QTest::addRow("CR only") << QByteArray("a\rb\r") << QByteArrayList{"a", "b"};
    QTest::addRow("mixed breaks") << QByteArray("a\r\nb\rc\nd")
                                  << QByteArrayList{"a", "b", "c", "d"};
    QTest::addRow("CR CR LF gives an empty entry")
        << QByteArray("a\r\r\nb") << QByteArrayList{"a", "", "b"};
    QTest::addRow("LF CR gives an empty entry")
        << QByteArray("a\n\rb") << QByteArrayList{"a", "", "b"};
    QTest::addRow("last line without break") << QByteArray("a\r\nb") << QByteArrayList{"a", "b"};
    QTest::addRow("empty lines inside")
        << QByteArray("a\r\n\r\n\r\nb\r\n") << QByteArrayList{"a", "", "", "b"};
    QTest::addRow("nothing trimmed")
        << QByteArray("  a \t\r\n\tb ") << QByteArrayList{"  a \t", "\tb "};
    QTest::addRow("bytes above 127") << QByteArray("\xe9l\xe8ve@\xfc.test\r\n\xff\xfe")
                                     << QByteArrayList{"\xe9l\xe8ve@\xfc.test", "\xff\xfe"};
    QTest::addRow("byte order mark stays") << QByteArray("\xef\xbb\xbf"
                                                         "a\r\n")
                                           << QByteArrayList{"\xef\xbb\xbf"
                                                             "a"};
    QTest::addRow("NUL is an ordinary byte")
        << QByteArray("a\0b\r\nc\0\r\nd", 10)
        << QByteArrayList{QByteArray("a\0b", 3), QByteArray("c\0", 2), "d"};
}

void TestListFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArrayList, entries);
    TestFolder folder;
    QCOMPARE(bytesOf(readListFile(folder.write("list.txt", bytes))), entries);
}

void TestListFile::hugeLine()
{
    const QByteArray line(1 << 20, 'x');
    TestFolder folder;
    const AddressList read = readListFile(folder.write("huge.txt", "a\n" + line + "\rb"));
    QCOMPARE(read.size(), 3);
    QCOMPARE(read[1], line);
}

void TestListFile::crlfFileRoundTripsByteForByte()
{
    QByteArray bytes;
    for (int c = 0; c < 256; ++c)
        if (c != '\r' && c != '\n')
            bytes += "line " + QByteArray(1, char(c)) + "\r\n";
    bytes += "\r\n  spaced  \r\n";
    TestFolder folder;
    const QString copy = folder.path("copy.txt");
    writeListFile(copy, readListFile(folder.write("list.txt", bytes)));
    QCOMPARE(TestFolder::read(copy), bytes);
}

void TestListFile::writesCrLfAfterEveryEntry()
{
    TestFolder folder;
    const QString target = folder.path("out.txt");
    writeListFile(target, {"a", "", "b"});
    QCOMPARE(TestFolder::read(target), QByteArray("a\r\n\r\nb\r\n"));
    writeListFile(target, {});
    QCOMPARE(TestFolder::read(target), QByteArray());
    QVERIFY(QFile::exists(target));
}

void TestListFile::missingFileCannotBeOpened()
{
    TestFolder folder;
    const QString missing = folder.path("missing.txt");
    try {
        readListFile(missing);
        QFAIL("reading a missing file succeeded");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), "Cannot open file " + missing);
    }
}

void TestListFile::folderCannotBeOpened()
{
    TestFolder folder;
    QVERIFY_THROWS_EXCEPTION(AppError, readListFile(folder.path("")));
}

void TestListFile::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("relativeTarget");
    QTest::addColumn<bool>("readOnlyFolder");

    QTest::addRow("target is a folder") << "folder" << false;
    QTest::addRow("folder does not exist") << "nowhere/out.txt" << false;
    QTest::addRow("folder not writable") << "locked/out.txt" << true;
    // Root may write into read-only folders, but not into /proc.
    QTest::addRow("file system refuses new files") << "/proc/quillmere-out.txt" << false;
}

void TestListFile::failedWriteKeepsOldFile()
{
    QFETCH(QString, relativeTarget);
    QFETCH(bool, readOnlyFolder);
    TestFolder folder;
    QDir(folder.path("")).mkdir("folder");
    QDir(folder.path("")).mkdir("locked");
    const QString old = folder.write("locked/out.txt", "old\r\n");
    if (readOnlyFolder) {
        QFile::setPermissions(folder.path("locked"), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(folder.path("locked")).isWritable())
            QSKIP("running as a user that writes into read-only folders");
    }
    const QString target =
        relativeTarget.startsWith('/') ? relativeTarget : folder.path(relativeTarget);
    try {
        writeListFile(target, {"new"});
        QFAIL("the write succeeded");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), "Cannot create file " + target);
    }
    QCOMPARE(TestFolder::read(old), QByteArray("old\r\n"));
    QCOMPARE(QDir(folder.path("locked")).entryList(QDir::Files), QStringList{"out.txt"});
    QFile::setPermissions(folder.path("locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_APPLESS_MAIN(TestListFile)
#include "tst_listfile.moc"
