#include "core/distinctdomains.h"

#include "core/byteset.h"
#include "core/lineprimitives.h"

AddressList distinctDomains(const AddressList& lines, const EvenProgress::Sink& progress)
{
    AddressList domains;
    ByteSet seen;
    EvenProgress bar(lines.size(), progress);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView domain = LineDomain(lines[i]);
        if (!domain.isEmpty() && seen.insert(domain))
            domains.append(domain);
        bar.at(i);
    }
    return domains;
}
