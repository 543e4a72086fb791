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

// A sorted copy, which must come out in order and hold the same lines.
bool sortsWell(AddressList lines)
{
    const quint64 before = checksum(lines);
    QuickSortList(lines);
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (CompareAsciiNoCase(lines[i - 1], lines[i]) > 0)
            return false;
    return checksum(lines) == before;
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void everyOperation();
};

void TestStress::everyOperation()
{
    SyntheticLists lists(99);
    AddressList lines = lists.mixed(lineCount / 2, 300'000, 20'000);
    lines.append(QByteArray(1 << 20, 'h') + "@huge.test");
    lines.append(lists.mixed(lineCount / 2 - 1, 300'000, 20'000));
    const quint64 all = checksum(lines);

    const TestFolder folder;
    writeListFile(folder.path("list.txt"), lines);
    QCOMPARE(TestFolder::read(folder.path("list.txt")), listFileBytes(lines));
    QCOMPARE(readListFile(folder.path("list.txt")), lines);
    QStringList files;
    writeSplitFiles(lines, 10'000, folder.path("part.txt"),
                    [&](const QString& name) { files.append(name); });
    AddressList joined;
    for (const QString& file : files)
        joined.append(readListFile(file));
    QCOMPARE(files.size(), 100);
    QCOMPARE(joined, lines);

    const AddressList half = lines.mid(0, lineCount / 2);
    const AddressList difference = combineLists(Combination::Difference, lines, half);
    const AddressList intersection = combineLists(Combination::Intersection, lines, half);
    QCOMPARE(difference.size() + intersection.size(), lineCount);
    QCOMPARE(checksum(difference) + checksum(intersection), all);
    QCOMPARE(combineLists(Combination::Union, lines, half), lines);
    QCOMPARE(combineLists(Combination::Union, half, lines).mid(0, half.size()), half);
    QCOMPARE(cleanLines(lines, {}).kept, lines);
    const DuplicateRemoval removal = removeDuplicateAddresses(lines);
    QCOMPARE(removal.kept.size() + removal.keptMatches.size(), lineCount);
    QCOMPARE(removeDuplicateAddresses(removal.kept).kept, removal.kept);

    QVERIFY(sortsWell(lines));
    QCOMPARE(checksum(sortByKey(lines, SortKey::Address)), all);
    QCOMPARE(checksum(sortByKey(lines, SortKey::Domain)), all);
    // A million equal lines in mixed case would nest a million levels, sorted as written.
    AddressList oneAddress;
    for (qsizetype i = 0; i < lineCount; ++i)
        oneAddress.append(i % 400'000 == 3 ? lists.address(50, 3) : lists.varyCase("a@b.c"));
    QVERIFY(sortsWell(oneAddress));

    const AddressList domains = distinctDomains(lines);
    const qsizetype withDomain = linesOfDomains(lines, domainsToList({}, domains)).size();
    const DomainTally tally = tallyDomains(lines);
    QCOMPARE(std::accumulate(tally.counts.begin(), tally.counts.end(), qint64(0)), withDomain);
    QCOMPARE(tally.domains.size(), domains.size());

    RandomGenerator random;
    for (const SeededList& seeded :
         {seedRegularly(lines, email, 100), seedRandomly(lines, email, 100, random)}) {
        QCOMPARE(seeded.lines.size(), lineCount + lineCount / 100);
        QCOMPARE(checksum(seeded.lines), all);
    }
}

QTEST_GUILESS_MAIN(TestStress)
#include "tst_stress.moc"
