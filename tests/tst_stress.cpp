// A list of 1,000,000 lines, one of them 1 MB long, through every operation: nothing may be
// lost, duplicated or changed on the way. Counts and order-independent checksums prove it.
#include "app/combination.h"
#include "core/abcQSort.h"
#include "core/distinctdomains.h"
#include "core/listfile.h"
#include "stats/domainstatistics.h"
#include "support/syntheticlists.h"
#include "support/testfiles.h"
#include "tools/cleaning.h"
#include "tools/domainfilter.h"
#include "tools/seeding.h"
#include "tools/sorting.h"
#include "tools/splitting.h"

namespace {

constexpr qsizetype lineCount = 1'000'000;
const QByteArray email = "me@own.test";

// The same for any order of the same lines; copies of `email` are left out.
quint64 checksum(const AddressList& lines)
{
    quint64 sum = 0;
    for (QByteArrayView line : lines)
        sum += line == email ? 0 : qHash(line, 0x5eed) * 2 + 1;
    return sum;
}

// Sorts a copy, which must come out in order and hold the same lines.
bool sortsWell(const AddressList& lines)
{
    AddressList sorted = lines;
    QuickSortList(sorted);
    for (qsizetype i = 1; i < sorted.size(); ++i)
        if (CompareAsciiNoCase(sorted[i - 1], sorted[i]) > 0)
            return false;
    return checksum(sorted) == checksum(lines);
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void filesAndSplit();
    void combinationAndCleaning();
    void sorting();
    void domainsAndSeeding();

private:
    AddressList m_lines;
};

void TestStress::initTestCase()
{
    SyntheticLists lists(99);
    m_lines = lists.mixed(lineCount / 2, 300'000, 20'000);
    m_lines.append(QByteArray(1 << 20, 'h') + "@huge.test");
    m_lines.append(lists.mixed(lineCount / 2 - 1, 300'000, 20'000));
}

void TestStress::filesAndSplit()
{
    const TestFolder folder;
    writeListFile(folder.path("list.txt"), m_lines);
    QCOMPARE(TestFolder::read(folder.path("list.txt")), listFileBytes(m_lines));
    QCOMPARE(readListFile(folder.path("list.txt")), m_lines);
    QStringList files;
    writeSplitFiles(m_lines, 10'000, folder.path("part.txt"),
                    [&files](const QString& name) { files.append(name); });
    AddressList joined;
    for (const QString& file : files)
        joined.append(readListFile(file));
    QCOMPARE(files.size(), 100);
    QCOMPARE(joined, m_lines);
}

void TestStress::combinationAndCleaning()
{
    const AddressList half = m_lines.mid(0, lineCount / 2);
    const AddressList difference = combineLists(Combination::Difference, m_lines, half);
    const AddressList intersection = combineLists(Combination::Intersection, m_lines, half);
    QCOMPARE(difference.size() + intersection.size(), lineCount);
    QCOMPARE(checksum(difference) + checksum(intersection), checksum(m_lines));
    QCOMPARE(combineLists(Combination::Union, m_lines, half), m_lines);
    QCOMPARE(combineLists(Combination::Union, half, m_lines).mid(0, half.size()), half);
    QCOMPARE(cleanLines(m_lines, {}).kept, m_lines);
    const DuplicateRemoval removal = removeDuplicateAddresses(m_lines);
    QCOMPARE(removal.kept.size() + removal.keptMatches.size(), lineCount);
    QCOMPARE(removeDuplicateAddresses(removal.kept).kept, removal.kept);
}

// A run of a million equal lines (in mixed case) would nest a million levels deep if sorted
// as the algorithm is written.
void TestStress::sorting()
{
    QVERIFY(sortsWell(m_lines));
    for (const SortKey key : {SortKey::Address, SortKey::Domain})
        QCOMPARE(checksum(sortByKey(m_lines, key).lines), checksum(m_lines));
    SyntheticLists lists(9);
    AddressList oneAddress;
    for (qsizetype i = 0; i < lineCount; ++i)
        oneAddress.append(i % 400'000 == 3 ? lists.address(50, 3) : lists.varyCase("a@b.c"));
    QVERIFY(sortsWell(oneAddress));
}

void TestStress::domainsAndSeeding()
{
    const AddressList domains = distinctDomains(m_lines);
    const qsizetype withDomain = linesOfDomains(m_lines, domainsToList({}, domains)).size();
    const DomainTally tally = tallyDomains(m_lines);
    QCOMPARE(std::accumulate(tally.counts.begin(), tally.counts.end(), qint64(0)), withDomain);
    QCOMPARE(tally.domains.size(), domains.size());
    RandomGenerator random;
    for (const SeededList& seeded :
         {seedRegularly(m_lines, email, 100), seedRandomly(m_lines, email, 100, random)}) {
        QCOMPARE(seeded.lines.size(), lineCount + lineCount / 100);
        QCOMPARE(checksum(seeded.lines), checksum(m_lines));
    }
}

QTEST_GUILESS_MAIN(TestStress)
#include "tst_stress.moc"
