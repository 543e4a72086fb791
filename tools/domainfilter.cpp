#include "tools/domainfilter.h"

#include "core/bytekeys.h"
#include "core/lineprimitives.h"

#include <algorithm>
#include <vector>

// Equals scanning the listed items for every found domain, with a hash set of exact bytes.
AddressList domainsToList(const AddressList& listed, const AddressList& found)
{
    ByteKeySet present;
    for (const QByteArrayView text : listed)
        present.insert(byteKey(text));
    AddressList added;
    for (qsizetype i = 0; i < found.size(); ++i)
        if (!found[i].isEmpty() && present.insert(byteKey(found[i])).second)
            added.append(found, i);
    return added;
}

// Equals comparing every line with every chosen domain: one pass files each line under
// its domain, then the chosen domains take their lines in order.
AddressList linesOfDomains(const AddressList& lines, const AddressList& chosen)
{
    ByteKeyMap<size_t> slotOf;
    for (const QByteArrayView domain : chosen)
        slotOf.try_emplace(byteKey(domain), slotOf.size());

    std::vector<std::vector<qsizetype>> linesIn(slotOf.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto slot = slotOf.find(byteKey(LineDomain(lines[i])));
        if (slot != slotOf.end())
            linesIn[slot->second].push_back(i);
    }

    AddressList extracted;
    for (const QByteArrayView domain : chosen)
        for (const qsizetype i : linesIn[slotOf.at(byteKey(domain))])
            extracted.append(lines, i);
    return extracted;
}

void moveEntries(AddressList& source, AddressList& target, QList<qsizetype> rows)
{
    std::sort(rows.begin(), rows.end());
    AddressList kept;
    auto next = rows.cbegin();
    for (qsizetype i = 0; i < source.size(); ++i) {
        while (next != rows.cend() && *next < i)
            ++next;
        if (next != rows.cend() && *next == i)
            target.append(source, i);
        else
            kept.append(source, i);
    }
    source = std::move(kept);
}

std::optional<QByteArray> editedDomain(QByteArrayView typed)
{
    const QByteArrayView domain = TrimControl(typed);
    if (domain.isEmpty())
        return std::nullopt;
    return domain.toByteArray();
}
