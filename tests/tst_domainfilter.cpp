#include "core/abcQSort.h"
#include "core/distinctdomains.h"
#include "reference/literaldomainfilter.h"
#include "support/bytelists.h"
#include "support/syntheticlists.h"
#include "tools/domainfilter.h"

#include <QTest>

// Lines written one per text line, as a list file holds them.
static AddressList lines(const QByteArray& text)
{
    return text.isEmpty() ? AddressList{} : listOf(text.split('\n'));
}

class TestDomainFilter : public QObject {
    Q_OBJECT

private slots:
    void extraction_data();
    void extraction();
    void sameAsLiteralScans_data();
    void sameAsLiteralScans();
};

void TestDomainFilter::extraction_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("extracted");
    const QByteArray six = "a@b.example\nc@A.example\nd@b.example\ne@a.example\nf\n";
    QTest::addRow("input order") << six << QByteArray("b.example")
                                 << QByteArray("a@b.example\nd@b.example");
    QTest::addRow("grouped by chosen order")
        << six << QByteArray("a.example\nb.example\nA.example")
        << QByteArray("e@a.example\na@b.example\nd@b.example\nc@A.example");
    QTest::addRow("chosen twice comes twice") << six << QByteArray("f\nf") << QByteArray("f\nf");
    QTest::addRow("nothing chosen") << six << QByteArray() << QByteArray();
    QTest::addRow("nothing loaded") << QByteArray() << QByteArray("b.example") << QByteArray();
    QTest::addRow("unknown domain") << six << QByteArray("c.example") << QByteArray();
    QTest::addRow("name and blanks kept")
        << QByteArray("Ann  a@b.example \t\nx,a@b.example") << QByteArray("b.example")
        << QByteArray("Ann  a@b.example \t\nx,a@b.example");
    QTest::addRow("comma-ended has no domain")
        << QByteArray("a@b.example,\nb.example") << QByteArray("b.example")
        << QByteArray("b.example");
    QTest::addRow("bytes above 127")
        << QByteArray("\xe9@caf\xe9.test\nx@cafe.test") << QByteArray("caf\xe9.test")
        << QByteArray("\xe9@caf\xe9.test");
    QTest::addRow("huge line") << QByteArray(200000, 'n') + " u@big.test" << QByteArray("big.test")
                               << QByteArray(200000, 'n') + " u@big.test";
}

void TestDomainFilter::extraction()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, extracted);
    QCOMPARE(linesOfDomains(lines(input), lines(chosen)), lines(extracted));
}

void TestDomainFilter::sameAsLiteralScans_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("domains");
    for (const unsigned seed : {1u, 2u, 3u})
        for (const int domains : {1, 40, 3000})
            QTest::addRow("seed %u, %d domains", seed, domains) << seed << domains;
}

void TestDomainFilter::sameAsLiteralScans()
{
    QFETCH(unsigned, seed);
    QFETCH(int, domains);
    SyntheticLists synthetic(seed);
    const AddressList input = synthetic.mixed(4000, 900, domains);
    AddressList listed;
    for (const QByteArrayView line : synthetic.mixed(30, 30, domains))
        listed.append(LineDomain(line));

    AddressList found = distinctDomains(input);
    QCOMPARE(found, literal::distinctDomains(input));
    QuickSortList(found);
    AddressList afterLoad = listed;
    afterLoad.append(domainsToList(listed, found));
    QCOMPARE(afterLoad, literal::listedAfterLoad(listed, found));

    AddressList chosen;
    for (int k = 0; k < 60; ++k)
        chosen.append(synthetic.varyCase(synthetic.domain(domains + 5)));
    chosen.append(found.mid(0, 3));
    chosen.append(found.mid(0, 2));
    chosen.append(QByteArray());
    QCOMPARE(linesOfDomains(input, chosen), literal::linesOfDomains(input, chosen));
}

QTEST_APPLESS_MAIN(TestDomainFilter)
#include "tst_domainfilter.moc"
