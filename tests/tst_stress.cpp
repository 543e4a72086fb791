// A list of 1,000,000 lines through every operation: nothing may be lost, duplicated or
// changed on the way. Counts and order-independent checksums prove it.
#include "app/combination.h"
#include "core/abcQSort.h"
#include "core/distinctdomains.h"
#include "core/lineprimitives.h"
#include "core/listfile.h"
#include "core/randomgenerator.h"
#include "stats/domainstatistics.h"
#include "support/syntheticlists.h"
#include "support/testfiles.h"
#include "tools/cleaning.h"
#include "tools/domainfilter.h"
#include "tools/seeding.h"
#include "tools/sorting.h"
#include "tools/splitting.h"

#include <QTest>

namespace {

constexpr qsizetype lineCount = 1'000'000;

// The same for any order of the same lines.
quint64 multisetChecksum(const AddressList& lines)
{
    quint64 sum = 0;
    for (const QByteArrayView line : lines)
        sum += qHash(line, 0x5eed) * 2 + 1;
    return sum;
}

AddressList withoutCopiesOf(const AddressList& lines, const QByteArray& email)
{
    AddressList rest;
    for (const QByteArrayView line : lines)
        if (line != email)
            rest.append(line);
    return rest;
}

qsizetype linesWithDomain(const AddressList& lines)
{
    return std::count_if(lines.begin(), lines.end(),
                         [](QByteArrayView line) { return !LineDomain(line).isEmpty(); });
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void loadAndSave();
    void combination();
    void cleaning();
    void sorting();
    void domainFilter();
    void splitting();
    void seeding();
    void statistics();

private:
    TestFolder m_folder;
    AddressList m_lines;
};

void TestStress::initTestCase()
{
    m_lines = SyntheticLists(99).mixed(lineCount, 300'000, 20'000);
    QCOMPARE(m_lines.size(), lineCount);
}

void TestStress::loadAndSave()
{
    const QString path = m_folder.path("list.txt");
    writeListFile(path, m_lines);
    const AddressList loaded = readListFile(path);
    QCOMPARE(loaded, m_lines);
    writeListFile(path, loaded);
    QCOMPARE(TestFolder::read(path), listFileBytes(m_lines));
}

void TestStress::combination()
{
    const AddressList half = m_lines.mid(0, lineCount / 2);
    const AddressList rest = m_lines.mid(lineCount / 2);
    const AddressList difference = combineLists(Combination::Difference, m_lines, half);
    const AddressList intersection = combineLists(Combination::Intersection, m_lines, half);
    QCOMPARE(difference.size() + intersection.size(), lineCount);
    QCOMPARE(multisetChecksum(difference) + multisetChecksum(intersection),
             multisetChecksum(m_lines));
    const AddressList unionOfHalves = combineLists(Combination::Union, half, rest);
    QCOMPARE(unionOfHalves.mid(0, half.size()), half);
    QCOMPARE(combineLists(Combination::Union, m_lines, {}), m_lines);
}

void TestStress::cleaning()
{
    QCOMPARE(cleanLines(m_lines, {}).kept, m_lines);
    const DuplicateRemoval removal = removeDuplicateAddresses(m_lines);
    QCOMPARE(removal.kept.size() + removal.keptMatches.size(), lineCount);
    const AddressList again = removeDuplicateAddresses(removal.kept).kept;
    QCOMPARE(again, removal.kept);
}

void TestStress::sorting()
{
    AddressList sorted = m_lines;
    QuickSortList(sorted);
    QCOMPARE(sorted.size(), lineCount);
    QCOMPARE(multisetChecksum(sorted), multisetChecksum(m_lines));
    for (qsizetype i = 1; i < sorted.size(); ++i)
        if (CompareAsciiNoCase(sorted[i - 1], sorted[i]) > 0)
            QFAIL(qPrintable(QString("out of order at %1").arg(i)));
    for (SortKey key : {SortKey::Address, SortKey::Domain}) {
        const KeyedSort byKey = sortByKey(m_lines, key);
        QCOMPARE(byKey.lines.size(), lineCount);
        QCOMPARE(multisetChecksum(byKey.lines), multisetChecksum(m_lines));
    }
}

void TestStress::domainFilter()
{
    const AddressList domains = distinctDomains(m_lines);
    const AddressList listed = domainsToList({}, domains);
    QCOMPARE(listed, domains);
    const AddressList extracted = linesOfDomains(m_lines, listed);
    QCOMPARE(extracted.size(), linesWithDomain(m_lines));
}

void TestStress::splitting()
{
    const QString prefix = m_folder.path("part.txt");
    QStringList files;
    writeSplitFiles(m_lines, 10'000, prefix, [&files](const QString& name) { files.append(name); });
    QCOMPARE(files.size(), 100);
    AddressList joined;
    for (const QString& file : files)
        joined.append(readListFile(file));
    QCOMPARE(joined, m_lines);
}

void TestStress::seeding()
{
    const QByteArray email = "me@own.test";
    const SeededList regular = seedRegularly(m_lines, email, 100);
    QCOMPARE(regular.inserted, lineCount / 100);
    QCOMPARE(withoutCopiesOf(regular.lines, email), withoutCopiesOf(m_lines, email));
    RandomGenerator random;
    const SeededList seeded = seedRandomly(m_lines, email, 100, random);
    QCOMPARE(seeded.lines.size(), lineCount + lineCount / 100);
    QCOMPARE(withoutCopiesOf(seeded.lines, email), withoutCopiesOf(m_lines, email));
}

void TestStress::statistics()
{
    const DomainTally tally = tallyDomains(m_lines);
    QCOMPARE(std::accumulate(tally.counts.begin(), tally.counts.end(), qint64(0)),
             qint64(linesWithDomain(m_lines)));
    QCOMPARE(tally.domains.size(), distinctDomains(m_lines).size());
}

QTEST_GUILESS_MAIN(TestStress)
#include "tst_stress.moc"
