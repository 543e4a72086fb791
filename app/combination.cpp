#include "app/combination.h"

#include "core/byteset.h"
#include "core/lineprimitives.h"

namespace {

ByteSet addressesOf(const AddressList& list, qsizetype room = 0)
{
    ByteSet addresses(list.size() + room);
    for (const QByteArrayView line : list)
        addresses.insert(ExtractAddress(line));
    return addresses;
}

AddressList unionOf(const AddressList& list1, const AddressList& list2,
                    const EvenProgress::Sink& progress)
{
    AddressList result = list1;
    ByteSet seen = addressesOf(list1, list2.size());
    EvenProgress bar(list2.size(), progress);
    for (qsizetype i = 0; i < list2.size(); ++i) {
        if (seen.insert(ExtractAddress(list2[i])))
            result.append(list2, i);
        bar.at(i);
    }
    return result;
}

AddressList filterByPresence(const AddressList& list1, const AddressList& list2, bool keepPresent,
                             const EvenProgress::Sink& progress)
{
    const ByteSet inList2 = addressesOf(list2);
    AddressList result;
    EvenProgress bar(list1.size(), progress);
    for (qsizetype i = 0; i < list1.size(); ++i) {
        if (inList2.contains(ExtractAddress(list1[i])) == keepPresent)
            result.append(list1, i);
        if (!keepPresent)
            bar.at(i);
    }
    if (keepPresent && !list1.isEmpty() && progress)
        progress(100);
    return result;
}

} // namespace

AddressList combineLists(Combination operation, const AddressList& list1, const AddressList& list2,
                         const EvenProgress::Sink& progress)
{
    switch (operation) {
    case Combination::Union:
        return unionOf(list1, list2, progress);
    case Combination::Difference:
        return filterByPresence(list1, list2, false, progress);
    case Combination::Intersection:
        return filterByPresence(list1, list2, true, progress);
    }
    return {};
}
