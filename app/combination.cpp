#include "app/combination.h"

#include "core/addressset.h"

namespace {

AddressSet addressesOf(const AddressList& list)
{
    AddressSet addresses;
    addresses.insertAddresses(list, [](qsizetype, bool) {});
    return addresses;
}

AddressList unionOf(const AddressList& list1, const AddressList& list2,
                    const EvenProgress::Sink& progress)
{
    AddressList result = list1;
    AddressSet seen = addressesOf(list1);
    EvenProgress bar(list2.size(), progress);
    seen.insertAddresses(list2, [&](qsizetype i, bool isNew) {
        if (isNew)
            result.append(list2, i);
        bar.at(i);
    });
    return result;
}

AddressList filterByPresence(const AddressList& list1, const AddressList& list2, bool keepPresent,
                             const EvenProgress::Sink& progress)
{
    const AddressSet inList2 = addressesOf(list2);
    AddressList result;
    EvenProgress bar(list1.size(), progress);
    inList2.findAddresses(list1, [&](qsizetype i, bool found) {
        if (found == keepPresent)
            result.append(list1, i);
        if (!keepPresent)
            bar.at(i);
    });
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
