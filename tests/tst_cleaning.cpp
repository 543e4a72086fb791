#include "reference/literalduplicates.h"
#include "support/bytelists.h"
#include "support/syntheticlists.h"
#include "tools/cleaning.h"

#include <QTest>

#include <algorithm>

namespace {

// Tests named by their numbers, e.g. "124"; the bounds as the two spin edits give them.
CleanTests ticked(const QString& numbers, int shortLength, int longLength)
{
    CleanTests tests;
    tests.emptyLine = numbers.contains('1');
    tests.withoutAtOrShort = numbers.contains('2');
    tests.shortLength = shortLength;
    tests.startsWithDigit = numbers.contains('3');
    tests.longerThan = numbers.contains('4');
    tests.longLength = longLength;
    tests.spacesInAddress = numbers.contains('5');
    return tests;
}

} // namespace

class TestCleaning : public QObject {
    Q_OBJECT

private slots:
    void clean_data();
    void clean();
    void hugeLine();
    void spacesInAddress_data();
    void spacesInAddress();
    void duplicates_data();
    void duplicates();
    void duplicatesMatchLiteral_data();
    void duplicatesMatchLiteral();
    void progressOfHugeLists_data();
    void progressOfHugeLists();
};

void TestCleaning::clean_data()
{
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QString>("tests");
    QTest::addColumn<int>("shortLength");
    QTest::addColumn<int>("longLength");
    QTest::addColumn<QByteArrayList>("kept");
    QTest::addColumn<QByteArrayList>("log");

    const QByteArray line45(45, 'x');
    const QByteArray line46(46, 'x');

    QTest::addRow("nothing ticked keeps all") << QByteArrayList{"", "7@", "ab"} << "" << 6 << 45
                                              << QByteArrayList{"", "7@", "ab"} << QByteArrayList{};
    QTest::addRow("empty line fails tests 1 and 2")
        << QByteArrayList{""} << "12" << 6 << 45 << QByteArrayList{} << QByteArrayList{"empty", ""};
    QTest::addRow("short without @")
        << QByteArrayList{"ab"} << "2" << 6 << 45 << QByteArrayList{} << QByteArrayList{"ab"};
    QTest::addRow("long without @ passes") << QByteArrayList{"abcdefghi"} << "2" << 6 << 45
                                           << QByteArrayList{"abcdefghi"} << QByteArrayList{};
    QTest::addRow("@ second of five")
        << QByteArrayList{"a@b.c"} << "2" << 6 << 45 << QByteArrayList{} << QByteArrayList{"a@b.c"};
    QTest::addRow("@ third passes whatever the length")
        << QByteArrayList{"ab@", "ab@c"} << "2" << 6 << 45 << QByteArrayList{"ab@", "ab@c"}
        << QByteArrayList{};
    QTest::addRow("N 0 drops only empty addresses")
        << QByteArrayList{"", "ab", "x,", "   "} << "2" << 0 << 45 << QByteArrayList{"ab"}
        << QByteArrayList{"", "x,", "   "};
    QTest::addRow("address, not line, is measured")
        << QByteArrayList{"Annabel Lee a@b"} << "2" << 6 << 45 << QByteArrayList{}
        << QByteArrayList{"Annabel Lee a@b"};
    QTest::addRow("one digit passes test 3")
        << QByteArrayList{"7"} << "3" << 6 << 45 << QByteArrayList{"7"} << QByteArrayList{};
    QTest::addRow("digit first fails test 3")
        << QByteArrayList{"Ann 7a@x.test"} << "3" << 6 << 45 << QByteArrayList{}
        << QByteArrayList{"starts with #: Ann 7a@x.test"};
    QTest::addRow("superscript two is no digit") << QByteArrayList{"\xb2"
                                                                   "ab@x.test"}
                                                 << "3" << 6 << 45
                                                 << QByteArrayList{"\xb2"
                                                                   "ab@x.test"}
                                                 << QByteArrayList{};
    QTest::addRow("45 characters pass, 46 fail")
        << QByteArrayList{line45, line46} << "4" << 6 << 45 << QByteArrayList{line45}
        << QByteArrayList{line46};
    QTest::addRow("tests 2 and 4 log twice") << QByteArrayList{"abc"} << "24" << 6 << 2
                                             << QByteArrayList{} << QByteArrayList{"abc", "abc"};
    QTest::addRow("every test logs in order")
        << QByteArrayList{"9 @x"} << "12345" << 6 << 3 << QByteArrayList{}
        << QByteArrayList{"9 @x", "9 @x", "With spaces: 9 @x"};
    QTest::addRow("name before address kept by test 5")
        << QByteArrayList{"Ann Lee ann@x.test", "ann @x.test", "ann@x.test"} << "5" << 6 << 45
        << QByteArrayList{"Ann Lee ann@x.test", "ann@x.test"}
        << QByteArrayList{"With spaces: ann @x.test"};
    QTest::addRow("empty list") << QByteArrayList{} << "12345" << 6 << 45 << QByteArrayList{}
                                << QByteArrayList{};
}

void TestCleaning::clean()
{
    QFETCH(QByteArrayList, lines);
    QFETCH(QString, tests);
    QFETCH(int, shortLength);
    QFETCH(int, longLength);
    QFETCH(QByteArrayList, kept);
    QFETCH(QByteArrayList, log);
    const CleanResult result = cleanLines(listOf(lines), ticked(tests, shortLength, longLength));
    QCOMPARE(bytesOf(result.kept), kept);
    QCOMPARE(bytesOf(result.log), log);
}

void TestCleaning::hugeLine()
{
    const QByteArray line = QByteArray(1 << 20, 'a') + "@x.test";
    const CleanResult tested = cleanLines({line, "b@x.test"}, ticked("12345", 6, 45));
    QCOMPARE(bytesOf(tested.kept), QByteArrayList{"b@x.test"});
    QCOMPARE(bytesOf(tested.log), QByteArrayList{line});
}

void TestCleaning::spacesInAddress_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("hit");

    QTest::addRow("bare address") << QByteArray("ann@x.test") << false;
    QTest::addRow("name before") << QByteArray("Ann Lee ann@x.test") << false;
    QTest::addRow("name and angle brackets") << QByteArray("Ann Lee <ann@x.test>") << false;
    QTest::addRow("no @") << QByteArray("Ann Lee") << false;
    QTest::addRow("empty") << QByteArray() << false;
    QTest::addRow("blank before @") << QByteArray("ann @x.test") << true;
    QTest::addRow("blank after @") << QByteArray("ann@ x.test") << true;
    QTest::addRow("blank in domain") << QByteArray("ann@x .test") << true;
    QTest::addRow("words after address") << QByteArray("ann@x.test Ann") << true;
    QTest::addRow("two addresses") << QByteArray("ann@x.test, bob@y.test") << true;
    QTest::addRow("bytes above 127") << QByteArray("\xe9l\xe8ve @x.test") << true;
}

void TestCleaning::spacesInAddress()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, hit);
    QCOMPARE(hasSpacesInAddress(line), hit);
}

void TestCleaning::duplicates_data()
{
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArrayList>("kept");
    QTest::addColumn<QByteArrayList>("keptMatches");
    QTest::addColumn<QList<int>>("progress");

    QTest::addRow("X Y X") << QByteArrayList{"x@a.test", "y@a.test", "Xena x@a.test"}
                           << QByteArrayList{"x@a.test", "y@a.test"} << QByteArrayList{"x@a.test"}
                           << QList<int>{0, 66};
    QTest::addRow("case counts") << QByteArrayList{"a@b", "A@b"} << QByteArrayList{"a@b", "A@b"}
                                 << QByteArrayList{} << QList<int>{0, 50};
    QTest::addRow("name before address is a duplicate")
        << QByteArrayList{"Ann a@b", "a@b", "Bob, a@b"} << QByteArrayList{"Ann a@b"}
        << QByteArrayList{"Ann a@b", "Ann a@b"} << QList<int>{0, 66};
    QTest::addRow("empty, blank and comma-ended share the empty address")
        << QByteArrayList{"", "a@b", "   ", "x@y,"} << QByteArrayList{"", "a@b"}
        << QByteArrayList{"", ""} << QList<int>{0, 50};
    QTest::addRow("bytes above 127 compared exactly")
        << QByteArrayList{"\xe9@b", "\xc9@b", "\xe9@b"} << QByteArrayList{"\xe9@b", "\xc9@b"}
        << QByteArrayList{"\xe9@b"} << QList<int>{0, 66};
}

void TestCleaning::duplicates()
{
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArrayList, kept);
    QFETCH(QByteArrayList, keptMatches);
    QFETCH(QList<int>, progress);
    QList<int> shown;
    const DuplicateRemoval result =
        removeDuplicateAddresses(listOf(lines), [&](int percent) { shown.append(percent); });
    QCOMPARE(bytesOf(result.kept), kept);
    QCOMPARE(bytesOf(result.keptMatches), keptMatches);
    QCOMPARE(shown, progress);
}

void TestCleaning::duplicatesMatchLiteral_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("distinct");

    QTest::addRow("many duplicates") << 11u << 3000 << 200;
    QTest::addRow("few duplicates") << 12u << 3000 << 100'000;
    QTest::addRow("one address") << 13u << 500 << 1;
    QTest::addRow("short lists") << 14u << 9 << 4;
}

void TestCleaning::duplicatesMatchLiteral()
{
    QFETCH(unsigned, seed);
    QFETCH(int, count);
    QFETCH(int, distinct);
    SyntheticLists lists(seed);
    for (int round = 0; round < 10; ++round) {
        const AddressList input = lists.mixed(lists.pick(count) + 2, distinct, 7);
        literal::DuplicateRemoval expected = literal::removeDuplicateAddresses(input);
        expected.progress.erase(std::unique(expected.progress.begin(), expected.progress.end()),
                                expected.progress.end());
        QList<int> shown;
        const DuplicateRemoval result =
            removeDuplicateAddresses(input, [&](int percent) { shown.append(percent); });
        QCOMPARE(result.kept, expected.kept);
        QCOMPARE(result.keptMatches, expected.keptMatches);
        QCOMPARE(shown, expected.progress);
    }
}

void TestCleaning::progressOfHugeLists_data()
{
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("index");
    QTest::addColumn<int>("shown");

    QTest::addRow("past 21 million lines") << qint64(30'000'000) << qint64(24'000'000) << 80;
    QTest::addRow("last of 50 million") << qint64(50'000'000) << qint64(49'000'000) << 98;
    QTest::addRow("odd percent skipped") << qint64(30'000'000) << qint64(25'000'000) << -1;
}

// The duplicate removal's bar must not wrap to negative values on lists of tens of millions.
void TestCleaning::progressOfHugeLists()
{
    QFETCH(qint64, count);
    QFETCH(qint64, index);
    QFETCH(int, shown);
    int last = -1;
    EvenProgress bar(count, [&last](int percent) { last = percent; });
    bar.at(index);
    QCOMPARE(last, shown);
}

QTEST_APPLESS_MAIN(TestCleaning)
#include "tst_cleaning.moc"
