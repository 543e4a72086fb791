#include "core/distinctdomains.h"

#include "core/bytekeys.h"
#include "core/lineprimitives.h"

AddressList distinctDomains(const AddressList& lines, const EvenProgress::Sink& progress)
{
    AddressList domains;
    ByteKeySet seen;
    EvenProgress bar(lines.size(), progress);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView domain = LineDomain(lines[i]);
        if (!domain.isEmpty() && seen.insert(byteKey(domain)).second)
            domains.append(domain);
        bar.at(i);
    }
    return domains;
}
