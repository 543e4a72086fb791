#include "core/apperror.h"
#include "core/listfile.h"
#include "reference/literalseed.h"
#include "support/syntheticlists.h"
#include "tools/seeding.h"

#include <QTest>

namespace {

const AddressList tenLines = parseListBytes("l0\nl1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\n");

} // namespace

class TestSeeding : public QObject {
    Q_OBJECT

private slots:
    // First, while the process-wide generator is untouched.
    void processGeneratorStartsAtZero();
    void generatorSequence_data();
    void generatorSequence();
    void regularSeeding_data();
    void regularSeeding();
    void randomSeeding_data();
    void randomSeeding();
    void randomEqualsOneInsertionAfterAnother_data();
    void randomEqualsOneInsertionAfterAnother();
    void intervalZeroIsDivisionByZero();
    void outputName_data();
    void outputName();
};

void TestSeeding::processGeneratorStartsAtZero()
{
    QCOMPARE(processRandom().state(), 0u);
    const SeededList seeded = seedRandomly(tenLines, "E", 3, processRandom());
    QCOMPARE(seeded.lines, parseListBytes("E\nE\nl0\nl1\nl2\nl3\nl4\nE\nl5\nl6\nl7\nl8\nl9\n"));
    QCOMPARE(seeded.inserted, qsizetype(3));
    QCOMPARE(processRandom().draw(1), 0u);
    QCOMPARE(processRandom().draw(2), 0u);
}

void TestSeeding::generatorSequence_data()
{
    QTest::addColumn<QList<quint32>>("ranges");
    QTest::addColumn<QList<quint32>>("draws");
    QTest::addRow("worked figures") << QList<quint32>{3, 6, 9} << QList<quint32>{0, 0, 7};
    QTest::addRow("wide ranges") << QList<quint32>{3, 6, 9, 1, 2, 10, 100, 1000, 4294967295u}
                                 << QList<quint32>{0, 0, 7, 0, 0, 6, 31, 161, 1598751576u};
    QTest::addRow("range one is always 0")
        << QList<quint32>{1, 1, 1, 1} << QList<quint32>{0, 0, 0, 0};
}

void TestSeeding::generatorSequence()
{
    QFETCH(QList<quint32>, ranges);
    QFETCH(QList<quint32>, draws);
    RandomGenerator random;
    QList<quint32> drawn;
    for (const quint32 range : ranges)
        drawn.append(random.draw(range));
    QCOMPARE(drawn, draws);
}

void TestSeeding::regularSeeding_data()
{
    QTest::addColumn<AddressList>("lines");
    QTest::addColumn<QByteArray>("email");
    QTest::addColumn<qint32>("interval");
    QTest::addColumn<AddressList>("result");
    QTest::addRow("ten by three") << tenLines << QByteArray("E") << 3
                                  << parseListBytes(
                                         "E\nl0\nl1\nl2\nE\nl3\nl4\nl5\nE\nl6\nl7\nl8\nE\nl9\n");
    QTest::addRow("every line") << tenLines.mid(0, 3) << QByteArray("E") << 1
                                << parseListBytes("E\nl0\nE\nl1\nE\nl2\n");
    QTest::addRow("interval above the count")
        << tenLines.mid(0, 3) << QByteArray("E") << 50 << parseListBytes("E\nl0\nl1\nl2\n");
    QTest::addRow("negative acts as its size") << tenLines.mid(0, 5) << QByteArray("E") << -2
                                               << parseListBytes("E\nl0\nl1\nE\nl2\nl3\nE\nl4\n");
    QTest::addRow("most negative")
        << tenLines.mid(0, 2) << QByteArray("E") << std::numeric_limits<qint32>::min()
        << parseListBytes("E\nl0\nl1\n");
    QTest::addRow("empty address")
        << tenLines.mid(0, 2) << QByteArray() << 1 << parseListBytes("\nl0\n\nl1\n");
    QTest::addRow("bytes above 127") << parseListBytes("\xe9\r\xff") << QByteArray("m\xe9@x") << 2
                                     << AddressList{"m\xe9@x", "\xe9", "\xff"};
    QTest::addRow("empty list") << AddressList{} << QByteArray("E") << 3 << AddressList{};
}

void TestSeeding::regularSeeding()
{
    QFETCH(AddressList, lines);
    QFETCH(QByteArray, email);
    QFETCH(qint32, interval);
    QFETCH(AddressList, result);
    const SeededList seeded = seedRegularly(lines, email, interval);
    QCOMPARE(seeded.lines, result);
    QCOMPARE(seeded.inserted, result.size() - lines.size());
}

void TestSeeding::randomSeeding_data()
{
    QTest::addColumn<AddressList>("lines");
    QTest::addColumn<qint32>("interval");
    QTest::addColumn<AddressList>("result");
    QTest::addRow("interval above the count") << tenLines.mid(0, 3) << 4 << tenLines.mid(0, 3);
    QTest::addRow("negative interval") << tenLines.mid(0, 3) << -1 << tenLines.mid(0, 3);
    QTest::addRow("empty list") << AddressList{} << 1 << AddressList{};
    // Draws with ranges 1, 2, 3: 0, 0, 2.
    QTest::addRow("every line") << tenLines.mid(0, 3) << 1
                                << parseListBytes("E\nE\nE\nl0\nl1\nl2\n");
}

void TestSeeding::randomSeeding()
{
    QFETCH(AddressList, lines);
    QFETCH(qint32, interval);
    QFETCH(AddressList, result);
    RandomGenerator random;
    const SeededList seeded = seedRandomly(lines, "E", interval, random);
    QCOMPARE(seeded.lines, result);
    QCOMPARE(seeded.inserted, result.size() - lines.size());
}

void TestSeeding::randomEqualsOneInsertionAfterAnother_data()
{
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<qint32>("interval");
    QTest::addColumn<int>("earlierDraws");
    QTest::addRow("every line") << qsizetype(2000) << 1 << 0;
    QTest::addRow("every 7th, generator in use") << qsizetype(5003) << 7 << 11;
    QTest::addRow("every 100th") << qsizetype(20000) << 100 << 3;
    QTest::addRow("exactly the count") << qsizetype(64) << 64 << 0;
}

void TestSeeding::randomEqualsOneInsertionAfterAnother()
{
    QFETCH(qsizetype, count);
    QFETCH(qint32, interval);
    QFETCH(int, earlierDraws);
    const AddressList lines = SyntheticLists(unsigned(count)).mixed(count, 50, 5);
    RandomGenerator ours;
    RandomGenerator literal;
    for (int i = 0; i < earlierDraws; ++i) {
        ours.draw(1000);
        literal.draw(1000);
    }
    const SeededList seeded = seedRandomly(lines, "me@x", interval, ours);
    QCOMPARE(seeded.lines, reference::seedRandomly(lines, "me@x", interval, literal));
    QCOMPARE(seeded.inserted, count / interval);
    QCOMPARE(ours.state(), literal.state());
}

void TestSeeding::intervalZeroIsDivisionByZero()
{
    RandomGenerator random;
    for (const bool randomly : {false, true}) {
        try {
            randomly ? seedRandomly(tenLines, "E", 0, random) : seedRegularly(tenLines, "E", 0);
            QFAIL("interval 0 was accepted");
        } catch (const AppError& error) {
            QCOMPARE(error.message(), "Division by zero");
        }
    }
    QCOMPARE(random.state(), 0u);
}

void TestSeeding::outputName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saveTarget");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("name");
    QTest::addRow("typed name wins") << "mine.txt"
                                     << "output.txt"
                                     << "/l/clients.txt"
                                     << "mine.txt";
    QTest::addRow("never saved") << ""
                                 << "output.txt"
                                 << "/lists/clients.txt"
                                 << "output.txtclients.txt__including_my_email.txt";
    QTest::addRow("after a save") << ""
                                  << "/f/r.txt"
                                  << "/lists/clients.txt"
                                  << "/f/r.txtclients.txt__including_my_email.txt";
    QTest::addRow("nothing opened") << ""
                                    << "output.txt"
                                    << ""
                                    << "output.txt__including_my_email.txt";
    QTest::addRow("opened without folder") << ""
                                           << "/f/r.txt"
                                           << "a.csv"
                                           << "/f/r.txta.csv__including_my_email.txt";
}

void TestSeeding::outputName()
{
    QFETCH(QString, typed);
    QFETCH(QString, saveTarget);
    QFETCH(QString, opened);
    QFETCH(QString, name);
    QCOMPARE(seedOutputName(typed, saveTarget, opened), name);
}

QTEST_GUILESS_MAIN(TestSeeding)
#include "tst_seeding.moc"
