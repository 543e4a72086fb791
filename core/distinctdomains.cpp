#include "core/distinctdomains.h"

#include "core/lineprimitives.h"

#include <string_view>
#include <unordered_set>

AddressList distinctDomains(const AddressList& lines, const EvenProgress::Sink& progress)
{
    AddressList domains;
    std::unordered_set<std::string_view> seen;
    EvenProgress bar(lines.size(), progress);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView domain = LineDomain(lines[i]);
        if (!domain.isEmpty() && seen.emplace(domain.data(), size_t(domain.size())).second)
            domains.append(domain.toByteArray());
        bar.at(i);
    }
    return domains;
}
