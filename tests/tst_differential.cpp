// Every fast path against its literal version in tests/reference/, on random lists rich in
// what breaks shortcuts (case-varied repeats, names before addresses, blank and comma-ended
// lines, bytes above 127): the results, and the progress shown on the way, must be equal.
#include "app/combination.h"
#include "core/abcQSort.h"
#include "core/distinctdomains.h"
#include "reference/literalcombination.h"
#include "reference/literaldomainfilter.h"
#include "reference/literalduplicates.h"
#include "reference/literalkeyedsort.h"
#include "reference/literalseed.h"
#include "reference/literalsplit.h"
#include "support/syntheticlists.h"
#include "support/testfiles.h"
#include "tools/cleaning.h"
#include "tools/domainfilter.h"
#include "tools/seeding.h"
#include "tools/sorting.h"
#include "tools/splitting.h"

namespace {

// The bar positions the literal loops show over `lines`: every even percentage once, in order.
std::vector<int> literalProgress(const AddressList& lines)
{
    return LiteralCombination(Combination::Difference, lines, {}).progress;
}

// Both keyed sorts of `input` against sorting its composite lines as written and cutting them.
void compareKeyedSorts(const AddressList& input)
{
    for (const bool byDomain : {false, true}) {
        const SortKey key = byDomain ? SortKey::Domain : SortKey::Address;
        const AddressList sorted = sortByKey(input, key);
        const AddressList composites = compositeLines(sorted, key);
        QCOMPARE(composites, literal::sortedComposites(input, byDomain));
        for (qsizetype i = 0; i < input.size(); ++i)
            QCOMPARE(sorted[i], literal::stripComposite(composites[i].toByteArray(), byDomain));
    }
}

} // namespace

class TestDifferential : public QObject {
    Q_OBJECT

private slots:
    void combination();
    void duplicates();
    void sorts();
    void domainFilter();
    void split();
    void seed();
};

void TestDifferential::combination()
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

void TestDifferential::duplicates()
{
    SyntheticLists lists(11);
    for (const auto& [count, distinct] : {std::pair{3000, 200}, {3000, 100'000}, {500, 1}, {9, 4}})
        for (int round = 0; round < 10; ++round) {
            const AddressList input = lists.mixed(lists.pick(count) + 2, distinct, 7);
            const literal::DuplicateRemoval expected = literal::removeDuplicateAddresses(input);
            std::vector<int> bar;
            const DuplicateRemoval result =
                removeDuplicateAddresses(input, [&bar](int p) { bar.push_back(p); });
            QCOMPARE(result.kept, expected.kept);
            QCOMPARE(result.keptMatches, expected.keptMatches);
            QCOMPARE(bar, literalProgress(input));
        }
}

// The order of entries that compare equal is the algorithm's: runs of equal entries, alone
// or among larger ones, take shortcuts that must still give that exact permutation; the
// address and domain sorts must equal sorting their composite lines.
void TestDifferential::sorts()
{
    SyntheticLists lists(1);
    for (const int distinct : {1, 2, 3, 20, 300, 4000})
        for (int round = 0; round < 30; ++round) {
            const AddressList input =
                lists.mixed(1 + lists.pick(round % 3 ? 3000 : 40), distinct, 3);
            AddressList expected = input;
            literal::quickSortList(expected);
            AddressList sorted = input;
            QuickSortList(sorted);
            QCOMPARE(sorted, expected);
            compareKeyedSorts(input);
        }
    // Keys and lines that meet through the marker: keys that are prefixes of others, bytes
    // that sort around "_" and ";", empty keys, case, the marker itself inside lines; long
    // runs make keys on both sides of the longest key length the sort keeps.
    const QByteArray nul(1, '\0'), lower(125, 'a'), upper(127, 'A');
    const QByteArray pieces[] = {"a", "A", "b", "z", "_", ";",  "___;;__", "__", "@",   ".",  "-",
                                 " ", ",", "^", "`", "[", "\t", "\xe9",    nul,  lower, upper};
    for (int round = 0; round < 200; ++round) {
        AddressList input;
        for (int n = lists.pick(round % 4 ? 40 : 400); n > 0; --n) {
            QByteArray line;
            for (int k = lists.pick(8); k > 0; --k)
                line += pieces[lists.pick(std::size(pieces))];
            input.append(line);
        }
        compareKeyedSorts(input);
    }
}

void TestDifferential::domainFilter()
{
    for (const unsigned seed : {1u, 2u, 3u})
        for (const int domains : {1, 40, 3000}) {
            SyntheticLists lists(seed);
            const AddressList input = lists.mixed(4000, 900, domains);
            AddressList listed;
            for (const QByteArrayView line : lists.mixed(30, 30, domains))
                listed.append(LineDomain(line));

            std::vector<int> bar;
            AddressList found = distinctDomains(input, [&bar](int p) { bar.push_back(p); });
            QCOMPARE(found, literal::distinctDomains(input));
            QCOMPARE(bar, literalProgress(input));
            QuickSortList(found);
            AddressList extended = listed;
            extended.append(domainsToList(listed, found));
            QCOMPARE(extended, literal::listedAfterLoad(listed, found));

            AddressList chosen{QByteArray()};
            chosen.append(found.mid(0, 3));
            chosen.append(found.mid(0, 2));
            for (int k = 0; k < 60; ++k)
                chosen.append(lists.varyCase(lists.domain(domains + 5)));
            QCOMPARE(linesOfDomains(input, chosen), literal::linesOfDomains(input, chosen));
        }
}

void TestDifferential::split()
{
    SyntheticLists lists(3);
    for (int round = 0; round < 200; ++round) {
        const AddressList input = lists.mixed(lists.pick(40), 30, 5);
        const qint32 perFile = 1 + lists.pick(12);
        const TestFolder folder;
        QStringList heard;
        writeSplitFiles(input, perFile, folder.path("part.txt"),
                        [&heard](const QString& name) { heard.append(name); });
        const QList<AddressList> parts = reference::splitParts(input, perFile);
        QCOMPARE(heard.size(), parts.size());
        for (qsizetype f = 0; f < parts.size(); ++f) {
            QCOMPARE(heard[f], folder.path("part_" + QString::number(f + 1) + ".txt"));
            QCOMPARE(TestFolder::read(heard[f]), listFileBytes(parts[f]));
        }
    }
}

// Random seeding places every copy at once; it must equal inserting them one after another,
// drawing the same numbers from a generator that may already be in use.
void TestDifferential::seed()
{
    for (const auto& [count, interval, earlierDraws] :
         {std::tuple{2000, 1, 0}, {5003, 7, 11}, {20000, 100, 3}, {64, 64, 0}, {50, -3, 1}}) {
        const AddressList lines = SyntheticLists(unsigned(count)).mixed(count, 50, 5);
        RandomGenerator ours;
        RandomGenerator literal;
        for (int i = 0; i < earlierDraws; ++i)
            QCOMPARE(ours.draw(1000), literal.draw(1000));
        if (interval > 0)
            QCOMPARE(seedRandomly(lines, "me@x", interval, ours).lines,
                     reference::seedRandomly(lines, "me@x", interval, literal));
        QCOMPARE(ours.state(), literal.state());
    }
}

QTEST_GUILESS_MAIN(TestDifferential)
#include "tst_differential.moc"
