#include "tools/seeding.h"

#include "core/apperror.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <vector>

namespace {

// Final slots of a list of `size` slots, all free at first; finds and takes the k-th
// free slot (0-based) in logarithmic time.
class FreeSlots {
public:
    explicit FreeSlots(qsizetype size)
        : m_tree(size_t(size) + 1, 0)
        , m_topStep(size > 0 ? std::bit_floor(size_t(size)) : 0)
    {
        // A Fenwick tree over ones, built in linear time.
        for (size_t i = 1; i < m_tree.size(); ++i) {
            m_tree[i] += 1;
            const size_t parent = i + (i & (~i + 1));
            if (parent < m_tree.size())
                m_tree[parent] += m_tree[i];
        }
    }

    qsizetype take(qsizetype k)
    {
        size_t pos = 0;
        qsizetype remaining = k;
        for (size_t step = m_topStep; step > 0; step >>= 1) {
            const size_t next = pos + step;
            if (next < m_tree.size() && m_tree[next] <= remaining) {
                pos = next;
                remaining -= m_tree[next];
            }
        }
        for (size_t i = pos + 1; i < m_tree.size(); i += i & (~i + 1))
            --m_tree[i];
        return qsizetype(pos);
    }

private:
    std::vector<qsizetype> m_tree;
    size_t m_topStep;
};

} // namespace

qsizetype randomInsertions(qsizetype lineCount, qint32 interval)
{
    if (interval == 0)
        throw AppError::divisionByZero();
    return lineCount / interval;
}

SeededList seedRegularly(const AddressList& lines, const QByteArray& email, qint32 interval)
{
    if (interval == 0)
        throw AppError::divisionByZero();
    const AddressList copy{email};
    SeededList seeded;
    seeded.lines.reserve(lines.size() + lines.size() / std::abs(qint64(interval)) + 1);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i % interval == 0) {
            seeded.lines.append(copy, 0);
            ++seeded.inserted;
        }
        seeded.lines.append(lines, i);
    }
    return seeded;
}

SeededList seedRandomly(const AddressList& lines, const QByteArray& email, qint32 interval,
                        RandomGenerator& random)
{
    const qsizetype copies = randomInsertions(lines.size(), interval);
    std::vector<quint32> drawn;
    drawn.reserve(size_t(std::max<qsizetype>(copies, 0)));
    for (qsizetype j = 1; j <= copies; ++j)
        drawn.push_back(random.draw(quint32(j * interval)));

    // Inserting each copy into the growing list would move the whole tail every time.
    // Instead, walking the draws backwards, copy j lands on the drawn-th slot not taken by
    // a later copy: the later ones are exactly those that moved it. The result must equal
    // inserting one copy after the other.
    const qsizetype size = lines.size() + qsizetype(drawn.size());
    std::vector<bool> isCopy(size_t(size), false);
    FreeSlots freeSlots(size);
    for (auto position = drawn.rbegin(); position != drawn.rend(); ++position)
        isCopy[size_t(freeSlots.take(qsizetype(*position)))] = true;

    const AddressList copy{email};
    SeededList seeded;
    seeded.inserted = qsizetype(drawn.size());
    seeded.lines.reserve(size);
    qsizetype next = 0;
    for (const bool isEmail : isCopy) {
        if (isEmail)
            seeded.lines.append(copy, 0);
        else
            seeded.lines.append(lines, next++);
    }
    return seeded;
}

QString seedOutputName(const QString& typedName, const QString& saveTarget,
                       const QString& openedList)
{
    if (!typedName.isEmpty())
        return typedName;
    const QString listName = openedList.mid(openedList.lastIndexOf('/') + 1);
    return saveTarget + listName + "__including_my_email.txt";
}
