#include "core/apperror.h"
#include "core/listfile.h"
#include "reference/literalsplit.h"
#include "support/syntheticlists.h"
#include "support/testfiles.h"
#include "tools/splitting.h"

#include <QDir>
#include <QTest>

class TestSplitting : public QObject {
    Q_OBJECT

private slots:
    void fileCount_data();
    void fileCount();
    void fileNames_data();
    void fileNames();
    void filesHoldConsecutiveLines_data();
    void filesHoldConsecutiveLines();
    void unwritableFileStopsTheSplit();
};

void TestSplitting::fileCount_data()
{
    QTest::addColumn<qsizetype>("lines");
    QTest::addColumn<qint32>("perFile");
    QTest::addColumn<qsizetype>("files");
    QTest::addRow("remainder rounds up") << qsizetype(10) << 3 << qsizetype(4);
    QTest::addRow("exact quotient") << qsizetype(9) << 3 << qsizetype(3);
    QTest::addRow("equal to the count") << qsizetype(5) << 5 << qsizetype(1);
    QTest::addRow("above the count") << qsizetype(3) << 1000 << qsizetype(1);
    QTest::addRow("largest number")
        << qsizetype(3) << std::numeric_limits<qint32>::max() << qsizetype(1);
    QTest::addRow("one per file") << qsizetype(7) << 1 << qsizetype(7);
    QTest::addRow("empty list") << qsizetype(0) << 5 << qsizetype(0);
    QTest::addRow("zero per file") << qsizetype(10) << 0 << qsizetype(0);
    QTest::addRow("negative per file") << qsizetype(10) << -3 << qsizetype(0);
    QTest::addRow("past 32-bit products") << qsizetype(30'000'000) << 7 << qsizetype(4'285'715);
}

void TestSplitting::fileCount()
{
    QFETCH(qsizetype, lines);
    QFETCH(qint32, perFile);
    QFETCH(qsizetype, files);
    QCOMPARE(splitFileCount(lines, perFile), files);
}

void TestSplitting::fileNames_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<qsizetype>("number");
    QTest::addColumn<QString>("name");
    QTest::addRow("default") << "list_splited.txt" << qsizetype(1) << "list_splited_1.txt";
    QTest::addRow("no leading zeros")
        << "list_splited.txt" << qsizetype(12) << "list_splited_12.txt";
    QTest::addRow("no extension") << "abcd" << qsizetype(1) << "abcd_1.txt";
    QTest::addRow("empty prefix") << "" << qsizetype(3) << "_3.txt";
    QTest::addRow("extension twice, other case") << "a.txt.TXT" << qsizetype(1) << "a_1.TXT";
    QTest::addRow("extension inside a folder name")
        << "/data/x.txt.d/list.txt" << qsizetype(2) << "/data/x.txt.d/list_2.txt";
    QTest::addRow("dot only in a folder name")
        << "/data/x.d/list" << qsizetype(1) << "/data/x.d/list_1.txt";
    QTest::addRow("ends in a dot") << "/a.b/c.d." << qsizetype(1) << "/a.b/cd_1.";
    QTest::addRow("folder only") << "/data.d/" << qsizetype(1) << "/data.d/_1.txt";
    QTest::addRow("name is the extension") << "out/.csv" << qsizetype(4) << "out/_4.csv";
    QTest::addRow("bytes above 127")
        << "caf\u00e9.T\u00c9X" << qsizetype(1) << "caf\u00e9_1.T\u00c9X";
}

void TestSplitting::fileNames()
{
    QFETCH(QString, prefix);
    QFETCH(qsizetype, number);
    QFETCH(QString, name);
    QCOMPARE(splitFileName(prefix, number), name);
}

void TestSplitting::filesHoldConsecutiveLines_data()
{
    QTest::addColumn<AddressList>("lines");
    QTest::addColumn<qint32>("perFile");
    const AddressList ten = parseListBytes("l0\nl1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\n");
    QTest::addRow("ten by three") << ten << 3;
    QTest::addRow("nine by three") << ten.mid(0, 9) << 3;
    QTest::addRow("all in one") << ten << 50;
    QTest::addRow("one line") << ten.mid(0, 1) << 1;
    QTest::addRow("empty list writes nothing") << AddressList{} << 3;
    QTest::addRow("blank, high-byte and CR-only lines")
        << parseListBytes("\r\r\xe9t\xe9@x.es\r,\r  \r\x01\r") << 2;
    QTest::addRow("huge line") << AddressList{QByteArray(3'000'000, 'h'), "b@c"} << 1;
    QTest::addRow("synthetic") << SyntheticLists(3).mixed(1003, 300, 20) << 100;
}

void TestSplitting::filesHoldConsecutiveLines()
{
    QFETCH(AddressList, lines);
    QFETCH(qint32, perFile);
    const TestFolder folder;
    const QString prefix = folder.path("part.txt");
    QStringList heard;
    writeSplitFiles(lines, perFile, prefix, [&](const QString& name) { heard.append(name); });

    const QList<AddressList> expected = reference::splitParts(lines, perFile);
    QCOMPARE(heard.size(), expected.size());
    for (qsizetype f = 0; f < expected.size(); ++f) {
        QCOMPARE(heard[f], folder.path("part_" + QString::number(f + 1) + ".txt"));
        QCOMPARE(TestFolder::read(heard[f]), listFileBytes(expected[f]));
    }
    QCOMPARE(QDir(folder.path("")).entryList(QDir::Files).size(), expected.size());
}

void TestSplitting::unwritableFileStopsTheSplit()
{
    const TestFolder folder;
    QVERIFY(QDir().mkpath(folder.path("part_2.txt")));
    const QString third = folder.write("part_3.txt", "old\r\n");
    QStringList heard;
    try {
        writeSplitFiles(parseListBytes("a\nb\nc\n"), 1, folder.path("part.txt"),
                        [&](const QString& name) { heard.append(name); });
        QFAIL("the split went on past a file it could not write");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), "Cannot create file " + folder.path("part_2.txt"));
    }
    QCOMPARE(heard, QStringList{folder.path("part_1.txt")});
    QCOMPARE(TestFolder::read(heard[0]), "a\r\n");
    QCOMPARE(TestFolder::read(third), "old\r\n");
}

QTEST_GUILESS_MAIN(TestSplitting)
#include "tst_splitting.moc"
