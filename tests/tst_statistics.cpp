#include "core/listfile.h"
#include "core/randomgenerator.h"
#include "reference/literaldomaincounts.h"
#include "stats/domainstatistics.h"
#include "stats/percentformat.h"
#include "stats/picturekind.h"
#include "support/bytelists.h"
#include "support/syntheticlists.h"

#include <QTest>

Q_DECLARE_METATYPE(PictureKind)

namespace {

// "domain=count" for every domain in tally order, separated by blanks.
QByteArray tallyText(const DomainTally& tally)
{
    QByteArrayList entries;
    for (qsizetype i = 0; i < tally.domains.size(); ++i)
        entries.append(tally.domains[i].toByteArray() + '=' + QByteArray::number(tally.counts[i]));
    return entries.join(' ');
}

// "label=value" for every bar, values to four decimals.
QByteArray barsText(const QList<ChartBar>& bars)
{
    QByteArrayList entries;
    for (const ChartBar& bar : bars)
        entries.append(bar.label + '=' + QByteArray::number(bar.value, 'f', 4));
    return entries.join(' ');
}

AddressList repeated(const QByteArray& line, int times)
{
    return listOf(QByteArrayList(times, line));
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

private slots:
    void tally_data();
    void tally();
    void tallyMatchesLiteralSteps_data();
    void tallyMatchesLiteralSteps();
    void barsForScale_data();
    void barsForScale();
    void scaleFromText_data();
    void scaleFromText();
    void bars_data();
    void bars();
    void barColoursFollowTheSharedSequence();
    void formatPercent_data();
    void formatPercent();
    void pictureKind_data();
    void pictureKind();
};

void TestStatistics::tally_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("empty list") << QByteArray() << QByteArray();
    QTest::addRow("most frequent first") << QByteArray(R"(a@x.com
b@y.org
c@y.org
d@z.net
e@y.org
f@x.com
)") << QByteArray("y.org=3 x.com=2 z.net=1");
    QTest::addRow("letter case makes separate domains") << QByteArray(R"(a@Mail.com
b@mail.com
c@mail.com
)") << QByteArray("mail.com=2 Mail.com=1");
    QTest::addRow("equal counts keep alphabetical order") << QByteArray(R"(1@b.com
2@A.com
3@b.com
4@A.com
)") << QByteArray("A.com=2 b.com=2");
    QTest::addRow("token without at sign is a domain") << QByteArray(R"(john
Ann Lee john
a@x.com
)") << QByteArray("john=2 x.com=1");
    QTest::addRow("no domain: empty, blank, ending at sign, comma") << QByteArray("\r\n   \r\n"
                                                                                  "ann@\r\n"
                                                                                  "a@x.com,\r\n"
                                                                                  "b@x.com\r\n")
                                                                    << QByteArray("x.com=1");
    QTest::addRow("name and blanks around the address") << QByteArray("Ann <a@x.com>\r\n"
                                                                      "\t b@x.com  \r\n")
                                                        << QByteArray("x.com=1 x.com>=1");
    QTest::addRow("CR only breaks")
        << QByteArray("a@x.com\rb@y.org\rc@x.com\r") << QByteArray("x.com=2 y.org=1");
    QTest::addRow("mixed breaks") << QByteArray("a@x.com\r\nb@y.org\nc@y.org\rd@x.com")
                                  << QByteArray("x.com=2 y.org=2");
    QTest::addRow("bytes above 127 compared exactly")
        << QByteArray("a@\xe9t\xe9.fr\r\nb@\xc9t\xe9.fr\r\nc@\xe9t\xe9.fr\r\n")
        << QByteArray("\xe9t\xe9.fr=2 \xc9t\xe9.fr=1");
    QTest::addRow("huge line") << QByteArray("a@" + QByteArray(100000, 'h') + "\r\nb@x.com\r\n")
                               << QByteArray(QByteArray(100000, 'h') + "=1 x.com=1");
}

void TestStatistics::tally()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    QCOMPARE(tallyText(tallyDomains(parseListBytes(file))), expected);
}

void TestStatistics::tallyMatchesLiteralSteps_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("domains");

    QTest::addRow("few domains, many ties") << 1u << 3000 << 12;
    QTest::addRow("many domains") << 2u << 3000 << 700;
    QTest::addRow("about one line per domain") << 3u << 800 << 2000;
    QTest::addRow("one domain") << 4u << 500 << 1;
}

void TestStatistics::tallyMatchesLiteralSteps()
{
    QFETCH(unsigned, seed);
    QFETCH(int, lines);
    QFETCH(int, domains);
    SyntheticLists synthetic(seed);
    const AddressList input = synthetic.mixed(lines, lines / 2, domains);

    RandomGenerator literalRandom;
    const literal::DomainChart expected = literal::showChart(input, 0, true, literalRandom);
    const DomainTally tally = tallyDomains(input);
    QCOMPARE(tally.domains, expected.domains);
    QCOMPARE(tally.counts, expected.counts);

    RandomGenerator random;
    QCOMPARE(chartBars(tally, input.size(), int(tally.domains.size()) - 1, random), expected.bars);
    QCOMPARE(random.state(), literalRandom.state());

    // Every bar count the scale can give, against the same steps.
    for (const int bars : {1, 2, int(tally.domains.size()) / 2, int(tally.domains.size()) + 1}) {
        RandomGenerator ours;
        RandomGenerator theirs;
        QCOMPARE(chartBars(tally, input.size(), bars, ours),
                 literal::showChart(input, bars, false, theirs).bars);
    }
}

void TestStatistics::barsForScale_data()
{
    QTest::addColumn<qsizetype>("domains");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("bars");

    QTest::addRow("2.97 rounds up") << qsizetype(3) << 99 << 3;
    QTest::addRow("0.3 rounds down") << qsizetype(3) << 10 << 0;
    QTest::addRow("2.5 goes to even 2") << qsizetype(5) << 50 << 2;
    QTest::addRow("1.5 goes to even 2") << qsizetype(3) << 50 << 2;
    QTest::addRow("0.5 goes to even 0") << qsizetype(1) << 50 << 0;
    QTest::addRow("3.5 goes to even 4") << qsizetype(7) << 50 << 4;
    QTest::addRow("just above a half") << qsizetype(51) << 1 << 1;
    QTest::addRow("just below a half") << qsizetype(49) << 1 << 0;
    QTest::addRow("no domains") << qsizetype(0) << 99 << 0;
    QTest::addRow("beyond 32-bit product") << qsizetype(40000000) << 99 << 39600000;
}

void TestStatistics::barsForScale()
{
    QFETCH(qsizetype, domains);
    QFETCH(int, scale);
    QFETCH(int, bars);
    QCOMPARE(::barsForScale(domains, scale), bars);
}

void TestStatistics::scaleFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("scale");

    QTest::addRow("plain") << "10" << 10;
    QTest::addRow("upper bound") << "99" << 99;
    QTest::addRow("above the bound") << "150" << 99;
    QTest::addRow("zero is below") << "0" << 1;
    QTest::addRow("negative") << "-5" << 1;
    QTest::addRow("plus sign") << "+7" << 7;
    QTest::addRow("empty text") << "" << 1;
    QTest::addRow("letters") << "ab" << 1;
    QTest::addRow("digits then letters") << "5x" << 1;
    QTest::addRow("blank inside") << " 5" << 1;
    QTest::addRow("decimal point") << "5.5" << 1;
    QTest::addRow("beyond 32 bits") << "99999999999" << 1;
    QTest::addRow("lone sign") << "-" << 1;
}

void TestStatistics::scaleFromText()
{
    QFETCH(QString, text);
    QFETCH(int, scale);
    QCOMPARE(::scaleFromText(text), scale);
}

void TestStatistics::bars_data()
{
    QTest::addColumn<AddressList>("lines");
    QTest::addColumn<int>("numberOfBars");
    QTest::addColumn<QByteArray>("expected");

    AddressList example = repeated("a@a.com", 90);
    example.append(repeated("b@b.org", 60));
    example.append(repeated("c@c.net", 30));
    example.append(repeated("", 20));
    QTest::addRow("worked example, default bars")
        << example << 2 << QByteArray("a.com=45.0000 others=55.0000");
    QTest::addRow("worked example, scale 99")
        << example << 3 << QByteArray("a.com=45.0000 b.org=30.0000 others=25.0000");
    QTest::addRow("worked example, every domain")
        << example << 4 << QByteArray("a.com=45.0000 b.org=30.0000 c.net=15.0000 others=10.0000");
    QTest::addRow("more bars than domains draws those there are")
        << example << 40 << QByteArray("a.com=45.0000 b.org=30.0000 c.net=15.0000 others=10.0000");
    QTest::addRow("only others") << example << 1 << QByteArray("others=100.0000");
    QTest::addRow("no bars") << example << 0 << QByteArray();
    QTest::addRow("one domain with default bars") << repeated("a@x.com", 4) << -1 << QByteArray();
    QTest::addRow("empty list") << AddressList() << 5 << QByteArray();
    QTest::addRow("only lines without domain")
        << AddressList{"", "  ", "ann@"} << 3 << QByteArray("others=100.0000");
    QTest::addRow("thirds") << AddressList{"a@x.com", "b@y.com", "c@z.com"} << 3
                            << QByteArray("x.com=33.3333 y.com=33.3333 others=33.3333");
}

void TestStatistics::bars()
{
    QFETCH(AddressList, lines);
    QFETCH(int, numberOfBars);
    QFETCH(QByteArray, expected);
    RandomGenerator random;
    const QList<ChartBar> bars = chartBars(tallyDomains(lines), lines.size(), numberOfBars, random);
    QCOMPARE(barsText(bars), expected);

    // One colour draw per bar drawn, none for bars that are not.
    RandomGenerator draws;
    for (qsizetype i = 0; i < bars.size(); ++i)
        draws.draw(16000000);
    QCOMPARE(random.state(), draws.state());
}

void TestStatistics::barColoursFollowTheSharedSequence()
{
    const AddressList lines{"a@x.com", "b@x.com", "c@y.com", "d@z.com"};
    RandomGenerator random;
    random.draw(5); // an earlier user of the generator moves the sequence on
    RandomGenerator expected = random;
    const QList<ChartBar> bars = chartBars(tallyDomains(lines), lines.size(), 3, random);
    QCOMPARE(bars.size(), 3);
    for (const ChartBar& bar : bars) {
        QCOMPARE(bar.colour, expected.draw(16000000));
        QVERIFY(bar.colour < 16000000);
    }
}

void TestStatistics::formatPercent_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::addRow("whole") << 45.0 << "45%";
    QTest::addRow("hundred") << 100.0 << "100%";
    QTest::addRow("zero") << 0.0 << "0%";
    QTest::addRow("one decimal") << 12.5 << "12.5%";
    QTest::addRow("two decimals") << 33.333333 << "33.33%";
    QTest::addRow("rounds up") << 66.666666 << "66.67%";
    QTest::addRow("rounds to whole") << 99.999 << "100%";
    QTest::addRow("tiny share") << 0.0001 << "0%";
    QTest::addRow("rounding noise below zero") << -1e-13 << "0%";
    QTest::addRow("negative") << -2.5 << "-2.5%";
    QTest::addRow("thousands") << 1234567.891 << "1,234,567.89%";
    QTest::addRow("exactly a thousand") << 1000.0 << "1,000%";
}

void TestStatistics::formatPercent()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(::formatPercent(value), shown);
}

void TestStatistics::pictureKind_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<PictureKind>("kind");

    QTest::addRow("bitmap") << "/tmp/chart.bmp" << PictureKind::Bitmap;
    QTest::addRow("metafile") << "/tmp/chart.wmf" << PictureKind::Metafile;
    QTest::addRow("upper-case bitmap") << "/tmp/chart.BMP" << PictureKind::Bitmap;
    QTest::addRow("mixed-case metafile") << "/tmp/chart.Wmf" << PictureKind::Metafile;
    QTest::addRow("other extension") << "/tmp/chart.png" << PictureKind::Unknown;
    QTest::addRow("emf is not offered") << "/tmp/chart.emf" << PictureKind::Unknown;
    QTest::addRow("no extension") << "/tmp/chart" << PictureKind::Unknown;
    QTest::addRow("dot in folder only") << "/tmp/x.bmp/chart" << PictureKind::Unknown;
    QTest::addRow("last extension counts") << "/tmp/chart.bmp.txt" << PictureKind::Unknown;
    QTest::addRow("bare extension name") << "/tmp/.bmp" << PictureKind::Bitmap;
    QTest::addRow("extension longer") << "/tmp/chart.bmpx" << PictureKind::Unknown;
    QTest::addRow("empty") << "" << PictureKind::Unknown;
}

void TestStatistics::pictureKind()
{
    QFETCH(QString, fileName);
    QFETCH(PictureKind, kind);
    QCOMPARE(pictureKindOf(fileName), kind);
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
