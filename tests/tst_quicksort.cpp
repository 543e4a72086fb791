#include "core/abcQSort.h"
#include "reference/literalquicksort.h"
#include "support/bytelists.h"
#include "support/syntheticlists.h"

#include <QTest>

#include <algorithm>

class TestQuickSort : public QObject {
    Q_OBJECT

private slots:
    void compare_data();
    void compare();
    void sort_data();
    void sort();
    void matchesLiteralSort_data();
    void matchesLiteralSort();
    void longEqualRuns_data();
    void longEqualRuns();
};

void TestQuickSort::compare_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<int>("expected");

    QTest::addRow("proper prefix first") << QByteArray("ab") << QByteArray("abc") << -1;
    QTest::addRow("case ignored") << QByteArray("ABC") << QByteArray("abc") << 0;
    QTest::addRow("underscore after letters") << QByteArray("a_") << QByteArray("aZ") << 1;
    QTest::addRow("grave accent after letters") << QByteArray("`") << QByteArray("z") << 1;
    QTest::addRow("against empty") << QByteArray("a") << QByteArray() << 1;
    QTest::addRow("two empty") << QByteArray() << QByteArray() << 0;
    QTest::addRow("byte above 127 after z") << QByteArray("\xe9") << QByteArray("z") << 1;
    QTest::addRow("no folding above 127") << QByteArray("\xe9") << QByteArray("\xc9") << 1;
    QTest::addRow("NUL is compared") << QByteArray("a\0b", 3) << QByteArray("a\0c", 3) << -1;
}

void TestQuickSort::compare()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(int, expected);
    QCOMPARE(CompareAsciiNoCase(a, b), expected);
    QCOMPARE(CompareAsciiNoCase(b, a), -expected);
    QCOMPARE(literal::compareAsciiNoCase(a, b), expected);
}

void TestQuickSort::sort_data()
{
    QTest::addColumn<QByteArrayList>("input");
    QTest::addColumn<QByteArrayList>("expected");

    QTest::addRow("empty") << QByteArrayList{} << QByteArrayList{};
    QTest::addRow("one entry") << QByteArrayList{"x"} << QByteArrayList{"x"};
    QTest::addRow("equal entries not kept in input order")
        << QByteArrayList{"b", "A", "a", "B"} << QByteArrayList{"A", "a", "b", "B"};
    QTest::addRow("domains") << QByteArrayList{"a.example", "A.EXAMPLE", "a.example.net", "b.test"}
                             << QByteArrayList{"A.EXAMPLE", "a.example", "a.example.net", "b.test"};
    QTest::addRow("marker sorts after dot")
        << QByteArrayList{"a.example___;;__1", "A.EXAMPLE___;;__2", "a.example.net___;;__3",
                          "b.test___;;__4"}
        << QByteArrayList{"a.example.net___;;__3", "a.example___;;__1", "A.EXAMPLE___;;__2",
                          "b.test___;;__4"};
    QTest::addRow("punctuation after letters") << QByteArrayList{"abc", "ab", "ABD", "a_b", "a["}
                                               << QByteArrayList{"ab", "abc", "ABD", "a[", "a_b"};
    QTest::addRow("bytes above 127 last")
        << QByteArrayList{"\xe9", "z", "a"} << QByteArrayList{"a", "z", "\xe9"};
    QTest::addRow("two equal stay") << QByteArrayList{"a", "A"} << QByteArrayList{"a", "A"};
    QTest::addRow("equal run moved by fixed swaps")
        << QByteArrayList{"ab", "aB", "Ab", "AB"} << QByteArrayList{"aB", "Ab", "ab", "AB"};
}

void TestQuickSort::sort()
{
    QFETCH(QByteArrayList, input);
    QFETCH(QByteArrayList, expected);
    AddressList reference = listOf(input);
    literal::quickSortList(reference);
    QCOMPARE(bytesOf(reference), expected);
    AddressList sorted = listOf(input);
    QuickSortList(sorted);
    QCOMPARE(bytesOf(sorted), expected);
}

void TestQuickSort::matchesLiteralSort_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("distinct");
    QTest::addColumn<int>("domains");

    QTest::addRow("few addresses, many duplicates") << 1u << 3000 << 20 << 3;
    QTest::addRow("one address in many cases") << 2u << 2000 << 1 << 1;
    QTest::addRow("two addresses") << 3u << 2000 << 2 << 1;
    QTest::addRow("mostly distinct") << 4u << 5000 << 4000 << 50;
    QTest::addRow("medium") << 5u << 4000 << 300 << 10;
    QTest::addRow("tiny lists") << 6u << 7 << 3 << 2;
    QTest::addRow("small lists") << 7u << 33 << 5 << 2;
    QTest::addRow("equal runs among larger lines") << 8u << 4000 << 3 << 2;
}

void TestQuickSort::matchesLiteralSort()
{
    QFETCH(unsigned, seed);
    QFETCH(int, count);
    QFETCH(int, distinct);
    QFETCH(int, domains);
    SyntheticLists lists(seed);
    for (int round = 0; round < 20; ++round) {
        const AddressList input = lists.mixed(lists.pick(count) + 1, distinct, domains);
        AddressList reference = input;
        literal::quickSortList(reference);
        AddressList sorted = input;
        QuickSortList(sorted);
        QCOMPARE(sorted, reference);
    }
}

void TestQuickSort::longEqualRuns_data()
{
    QTest::addColumn<AddressList>("input");

    SyntheticLists lists(9);
    QTest::addRow("identical lines") << listOf(QByteArrayList(100'000, "ann@example.test"));
    AddressList mixedCase;
    for (int i = 0; i < 100'000; ++i)
        mixedCase.append(lists.varyCase("ann@example.test"));
    QTest::addRow("one address in mixed case") << mixedCase;
    AddressList withOthers = mixedCase;
    withOthers[50'000] = "zed@example.test";
    withOthers[3] = "abe@example.test";
    QTest::addRow("two others among one address") << withOthers;
    // Every twentieth line empty, every twentieth all blanks: long runs of a minimum.
    QTest::addRow("blank lines among addresses") << lists.mixed(200'000, 50'000, 100);
}

// Too long for the literal routine's nesting; the order of equal entries is proven
// against it above, so here the list must come back sorted, complete and in one piece.
void TestQuickSort::longEqualRuns()
{
    QFETCH(AddressList, input);
    AddressList sorted = input;
    QuickSortList(sorted);
    QVERIFY(std::is_sorted(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        return CompareAsciiNoCase(a, b) < 0;
    }));
    QByteArrayList inputBytes = bytesOf(input);
    std::sort(inputBytes.begin(), inputBytes.end());
    QByteArrayList bytes = bytesOf(sorted);
    std::sort(bytes.begin(), bytes.end());
    QCOMPARE(bytes, inputBytes);
}

QTEST_APPLESS_MAIN(TestQuickSort)
#include "tst_quicksort.moc"
