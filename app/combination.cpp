#include "app/combination.h"

#include "core/lineprimitives.h"

#include <string_view>
#include <unordered_set>

namespace {

using AddressSet = std::unordered_set<std::string_view>;

std::string_view addressOf(const QByteArray& line)
{
    const QByteArrayView address = ExtractAddress(line);
    return {address.data(), static_cast<size_t>(address.size())};
}

AddressSet addressesOf(const AddressList& list)
{
    AddressSet addresses;
    addresses.reserve(list.size());
    for (const QByteArray& line : list)
        addresses.insert(addressOf(line));
    return addresses;
}

AddressList unionOf(const AddressList& list1, const AddressList& list2,
                    const EvenProgress::Sink& progress)
{
    AddressList result = list1;
    AddressSet seen = addressesOf(list1);
    EvenProgress bar(list2.size(), progress);
    for (qsizetype i = 0; i < list2.size(); ++i) {
        if (seen.insert(addressOf(list2[i])).second)
            result.append(list2[i]);
        bar.at(i);
    }
    return result;
}

AddressList filterByPresence(const AddressList& list1, const AddressList& list2, bool keepPresent,
                             const EvenProgress::Sink& progress)
{
    const AddressSet inList2 = addressesOf(list2);
    AddressList result;
    EvenProgress bar(list1.size(), progress);
    for (qsizetype i = 0; i < list1.size(); ++i) {
        if (inList2.contains(addressOf(list1[i])) == keepPresent)
            result.append(list1[i]);
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
