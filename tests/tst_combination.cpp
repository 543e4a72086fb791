#include "app/combination.h"
#include "reference/literalcombination.h"
#include "support/bytelists.h"
#include "support/syntheticlists.h"

#include <QTest>

Q_DECLARE_METATYPE(Combination)

class TestCombination : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void progress_data();
    void progress();
    void sameAsAllPairsComparison();
};

void TestCombination::workedExamples_data()
{
    QTest::addColumn<Combination>("operation");
    QTest::addColumn<QByteArrayList>("list1");
    QTest::addColumn<QByteArrayList>("list2");
    QTest::addColumn<QByteArrayList>("expected");

    const QByteArrayList twice{"ann@b.test", "ann@b.test"};
    QTest::addRow("union keeps repeats of list 1")
        << Combination::Union << twice << QByteArrayList() << twice;
    QTest::addRow("difference keeps repeats of list 1")
        << Combination::Difference << twice << QByteArrayList() << twice;
    QTest::addRow("intersection with empty list 2")
        << Combination::Intersection << twice << QByteArrayList() << QByteArrayList();
    QTest::addRow("union adds the first of a repeated list-2 address")
        << Combination::Union << QByteArrayList{"bob@c.test"}
        << QByteArrayList{"Ann ann@b.test", "ann@b.test"}
        << QByteArrayList{"bob@c.test", "Ann ann@b.test"};

    const QByteArrayList named{"Ann Lee ann@b.test"};
    const QByteArrayList bare{"ann@b.test"};
    QTest::addRow("union: name before the same address")
        << Combination::Union << named << bare << named;
    QTest::addRow("difference: name before the same address")
        << Combination::Difference << named << bare << QByteArrayList();
    QTest::addRow("intersection keeps the raw line of list 1")
        << Combination::Intersection << named << bare << named;

    const QByteArrayList upper{"ANN@b.test"};
    QTest::addRow("union: case differs")
        << Combination::Union << bare << upper << QByteArrayList{"ann@b.test", "ANN@b.test"};
    QTest::addRow("difference: case differs") << Combination::Difference << bare << upper << bare;
    QTest::addRow("intersection: case differs")
        << Combination::Intersection << bare << upper << QByteArrayList();

    for (const QByteArray& emptyToken : {QByteArray(""), QByteArray("   "), QByteArray("x,")})
        QTest::addRow("blank line dropped after '%s'", emptyToken.constData())
            << Combination::Union << QByteArrayList{emptyToken} << QByteArrayList{""}
            << QByteArrayList{emptyToken};
    QTest::addRow("intersection with empty list 1")
        << Combination::Intersection << QByteArrayList() << bare << QByteArrayList();
    QTest::addRow("bytes above 127 compared exactly")
        << Combination::Difference << QByteArrayList{"\xe9@b.test", "\xc9@b.test"}
        << QByteArrayList{"x \xe9@b.test"} << QByteArrayList{"\xc9@b.test"};
}

void TestCombination::workedExamples()
{
    QFETCH(Combination, operation);
    QFETCH(QByteArrayList, list1);
    QFETCH(QByteArrayList, list2);
    QFETCH(QByteArrayList, expected);
    QCOMPARE(bytesOf(combineLists(operation, listOf(list1), listOf(list2))), expected);
}

void TestCombination::progress_data()
{
    QTest::addColumn<Combination>("operation");
    QTest::addColumn<int>("size1");
    QTest::addColumn<int>("size2");
    QTest::addColumn<QList<int>>("bar");

    QTest::addRow("union over one list-2 line") << Combination::Union << 3 << 1 << QList<int>{0};
    QTest::addRow("union over three lines skips 33")
        << Combination::Union << 0 << 3 << QList<int>{0, 66};
    QTest::addRow("difference over two lines")
        << Combination::Difference << 2 << 5 << QList<int>{0, 50};
    QTest::addRow("intersection jumps to 100")
        << Combination::Intersection << 4 << 2 << QList<int>{100};
    QTest::addRow("intersection of nothing leaves the bar")
        << Combination::Intersection << 0 << 2 << QList<int>{};
}

void TestCombination::progress()
{
    QFETCH(Combination, operation);
    QFETCH(int, size1);
    QFETCH(int, size2);
    QFETCH(QList<int>, bar);
    SyntheticLists lists(7);
    QList<int> seen;
    combineLists(operation, lists.mixed(size1, 5, 2), lists.mixed(size2, 5, 2),
                 [&seen](int p) { seen.append(p); });
    QCOMPARE(seen, bar);
}

void TestCombination::sameAsAllPairsComparison()
{
    SyntheticLists lists(2024);
    for (int round = 0; round < 3000; ++round) {
        const int distinct = 1 + lists.pick(12);
        const AddressList list1 = lists.mixed(lists.pick(25), distinct, 1 + lists.pick(3));
        const AddressList list2 = lists.mixed(lists.pick(25), distinct, 1 + lists.pick(3));
        for (Combination operation :
             {Combination::Union, Combination::Difference, Combination::Intersection}) {
            std::vector<int> bar;
            const AddressList fast =
                combineLists(operation, list1, list2, [&bar](int p) { bar.push_back(p); });
            const LiteralCombination literal(operation, list1, list2);
            QCOMPARE(fast, literal.result);
            QCOMPARE(bar, literal.progress);
        }
    }
}

QTEST_APPLESS_MAIN(TestCombination)
#include "tst_combination.moc"
