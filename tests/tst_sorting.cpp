#include "reference/literalkeyedsort.h"
#include "support/bytelists.h"
#include "support/syntheticlists.h"
#include "tools/sorting.h"

#include <QTest>

Q_DECLARE_METATYPE(SortKey)

class TestSorting : public QObject {
    Q_OBJECT

private slots:
    void sortByKey_data();
    void sortByKey();
    void matchesLiteralSort_data();
    void matchesLiteralSort();
};

void TestSorting::sortByKey_data()
{
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<SortKey>("key");
    QTest::addColumn<QByteArrayList>("sorted");

    QTest::addRow("longer domain before its prefix")
        << QByteArrayList{"a@a.example", "b@a.example.net", "c@a.example", "d@b.test"}
        << SortKey::Domain
        << QByteArrayList{"b@a.example.net", "a@a.example", "c@a.example", "d@b.test"};
    QTest::addRow("by address, lines whole")
        << QByteArrayList{"Ann z@b.test", "Zed a@c.test"} << SortKey::Address
        << QByteArrayList{"Zed a@c.test", "Ann z@b.test"};
    QTest::addRow("empty line kept, after letters")
        << QByteArrayList{"b@x", "", "a@x"} << SortKey::Address << QByteArrayList{"a@x", "b@x", ""};
    QTest::addRow("equal keys ordered by line")
        << QByteArrayList{"Zed a@x", "Ann a@x", "a@x"} << SortKey::Address
        << QByteArrayList{"a@x", "Ann a@x", "Zed a@x"};
    QTest::addRow("key holding the marker")
        << QByteArrayList{"x___;;__y@z", "a@b"} << SortKey::Address
        << QByteArrayList{"a@b", "x___;;__y@z"};
    QTest::addRow("domain holding the marker")
        << QByteArrayList{"a@b___;;__c", "a@a"} << SortKey::Domain
        << QByteArrayList{"a@a", "a@b___;;__c"};
    QTest::addRow("bytes above 127")
        << QByteArrayList{"\xe9@x", "z@x", "a@\xe9"} << SortKey::Address
        << QByteArrayList{"a@\xe9", "z@x", "\xe9@x"};
}

void TestSorting::sortByKey()
{
    QFETCH(QByteArrayList, lines);
    QFETCH(SortKey, key);
    QFETCH(QByteArrayList, sorted);
    const KeyedSort result = ::sortByKey(listOf(lines), key);
    QCOMPARE(bytesOf(result.lines), sorted);
    QCOMPARE(result.composites, literal::sortedComposites(listOf(lines), key == SortKey::Domain));
}

void TestSorting::matchesLiteralSort_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("distinct");
    QTest::addColumn<SortKey>("key");

    QTest::addRow("address, many duplicates") << 21u << 2000 << 40 << SortKey::Address;
    QTest::addRow("domain, many duplicates") << 22u << 2000 << 40 << SortKey::Domain;
    QTest::addRow("address, mostly distinct") << 23u << 3000 << 5000 << SortKey::Address;
    QTest::addRow("domain, one address") << 24u << 1000 << 1 << SortKey::Domain;
}

void TestSorting::matchesLiteralSort()
{
    QFETCH(unsigned, seed);
    QFETCH(int, count);
    QFETCH(int, distinct);
    QFETCH(SortKey, key);
    const bool byDomain = key == SortKey::Domain;
    SyntheticLists lists(seed);
    for (int round = 0; round < 10; ++round) {
        const AddressList input = lists.mixed(lists.pick(count) + 1, distinct, 5);
        const AddressList composites = literal::sortedComposites(input, byDomain);
        AddressList lines;
        for (const QByteArrayView composite : composites)
            lines.append(literal::stripComposite(composite.toByteArray(), byDomain));
        const KeyedSort result = ::sortByKey(input, key);
        QCOMPARE(result.composites, composites);
        QCOMPARE(result.lines, lines);
    }
}

QTEST_APPLESS_MAIN(TestSorting)
#include "tst_sorting.moc"
