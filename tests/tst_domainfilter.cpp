#include "core/abcQSort.h"
#include "core/distinctdomains.h"
#include "reference/literaldomainfilter.h"
#include "support/syntheticlists.h"
#include "tools/domainfilter.h"

#include <QTest>

// Lines written one per text line, as a list file holds them.
static AddressList lines(const QByteArray& text) {
    return text.isEmpty() ? AddressList{} : text.split('\n');
}

class TestDomainFilter : public QObject {
    Q_OBJECT

private slots:
    void listing_data();
    void listing();
    void extraction_data();
    void extraction();
    void moving_data();
    void moving();
    void editing_data();
    void editing();
    void sameAsLiteralScans_data();
    void sameAsLiteralScans();
};

void TestDomainFilter::listing_data() {
    QTest::addColumn<QByteArray>("listed");
    QTest::addColumn<QByteArray>("found");
    QTest::addColumn<QByteArray>("added");
    QTest::addRow("into empty view") << QByteArray() << QByteArray(R"(A.example
a.example
b.example)") << QByteArray(R"(A.example
a.example
b.example)");
    QTest::addRow("listed stay, new after")
        << QByteArray("z.test\nb.example") << QByteArray("a.example\nb.example\nc.test")
        << QByteArray("a.example\nc.test");
    QTest::addRow("case differs is new")
        << QByteArray("b.example") << QByteArray("B.EXAMPLE") << QByteArray("B.EXAMPLE");
    QTest::addRow("empty never listed")
        << QByteArray() << QByteArray("\nx.test\n") << QByteArray("x.test");
    QTest::addRow("bytes above 127")
        << QByteArray("caf\xe9.test") << QByteArray("caf\xe9.test\nCAF\xc9.test")
        << QByteArray("CAF\xc9.test");
    QTest::addRow("repeat in found once")
        << QByteArray() << QByteArray("x.test\nx.test") << QByteArray("x.test");
}

void TestDomainFilter::listing() {
    QFETCH(QByteArray, listed);
    QFETCH(QByteArray, found);
    QFETCH(QByteArray, added);
    QCOMPARE(domainsToList(lines(listed), lines(found)), lines(added));
}

void TestDomainFilter::extraction_data() {
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

void TestDomainFilter::extraction() {
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, extracted);
    QCOMPARE(linesOfDomains(lines(input), lines(chosen)), lines(extracted));
}

void TestDomainFilter::moving_data() {
    QTest::addColumn<QList<qsizetype>>("rows");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("target");
    QTest::addRow("none") << QList<qsizetype>{} << QByteArray("a\nb\nc\nd") << QByteArray("t");
    QTest::addRow("source order kept")
        << QList<qsizetype>{3, 0} << QByteArray("b\nc") << QByteArray("t\na\nd");
    QTest::addRow("repeats and strays")
        << QList<qsizetype>{1, 1, -1, 9} << QByteArray("a\nc\nd") << QByteArray("t\nb");
    QTest::addRow("all") << QList<qsizetype>{0, 1, 2, 3} << QByteArray()
                         << QByteArray("t\na\nb\nc\nd");
}

void TestDomainFilter::moving() {
    QFETCH(QList<qsizetype>, rows);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, target);
    AddressList from = lines("a\nb\nc\nd");
    AddressList to = lines("t");
    moveEntries(from, to, rows);
    QCOMPARE(from, lines(source));
    QCOMPARE(to, lines(target));
}

void TestDomainFilter::editing_data() {
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<std::optional<QByteArray>>("stored");
    QTest::addRow("plain") << QByteArray("x.test") << std::optional<QByteArray>("x.test");
    QTest::addRow("trimmed") << QByteArray(" \tx.test\r ") << std::optional<QByteArray>("x.test");
    QTest::addRow("inner blank kept") << QByteArray("x y") << std::optional<QByteArray>("x y");
    QTest::addRow("bytes above 127")
        << QByteArray("\xa0\xe9") << std::optional<QByteArray>("\xa0\xe9");
    QTest::addRow("empty") << QByteArray() << std::optional<QByteArray>();
    QTest::addRow("blanks") << QByteArray(" \t ") << std::optional<QByteArray>();
}

void TestDomainFilter::editing() {
    QFETCH(QByteArray, typed);
    QFETCH(std::optional<QByteArray>, stored);
    QCOMPARE(editedDomain(typed), stored);
}

void TestDomainFilter::sameAsLiteralScans_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("domains");
    for (const unsigned seed : {1u, 2u, 3u})
        for (const int domains : {1, 40, 3000})
            QTest::addRow("seed %u, %d domains", seed, domains) << seed << domains;
}

void TestDomainFilter::sameAsLiteralScans() {
    QFETCH(unsigned, seed);
    QFETCH(int, domains);
    SyntheticLists synthetic(seed);
    const AddressList input = synthetic.mixed(4000, 900, domains);
    AddressList listed = synthetic.mixed(30, 30, domains);
    for (QByteArray& line : listed)
        line = LineDomain(line).toByteArray();

    AddressList found = distinctDomains(input);
    QCOMPARE(found, literal::distinctDomains(input));
    QuickSortList(found);
    QCOMPARE(listed + domainsToList(listed, found), literal::listedAfterLoad(listed, found));

    AddressList chosen;
    for (int k = 0; k < 60; ++k)
        chosen.append(synthetic.varyCase(synthetic.domain(domains + 5)));
    chosen.append(found.mid(0, 3) + found.mid(0, 2));
    chosen.append(QByteArray());
    QCOMPARE(linesOfDomains(input, chosen), literal::linesOfDomains(input, chosen));
}

QTEST_APPLESS_MAIN(TestDomainFilter)
#include "tst_domainfilter.moc"
