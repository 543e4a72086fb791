#pragma once

// The domain filter's scans exactly as described, for differential tests and benchmarks.

#include "core/addresslist.h"
#include "core/lineprimitives.h"

namespace literal {

// Every line's domain searched for in the domains found so far, from the first one.
inline AddressList distinctDomains(const AddressList& lines)
{
    AddressList found;
    for (const QByteArrayView line : lines) {
        const QByteArrayView domain = LineDomain(line);
        bool present = false;
        for (qsizetype k = 0; k < found.size() && !present; ++k)
            present = found[k] == domain;
        if (!domain.isEmpty() && !present)
            found.append(domain);
    }
    return found;
}

// Every found domain searched for in the list view's items before it is appended.
inline AddressList listedAfterLoad(AddressList listed, const AddressList& found)
{
    for (const QByteArrayView domain : found) {
        bool present = false;
        for (qsizetype k = 0; k < listed.size() && !present; ++k)
            present = listed[k] == domain;
        if (!domain.isEmpty() && !present)
            listed.append(domain);
    }
    return listed;
}

// Every chosen domain compared with every line's domain.
inline AddressList linesOfDomains(const AddressList& lines, const AddressList& chosen)
{
    AddressList extracted;
    for (const QByteArrayView domain : chosen)
        for (const QByteArrayView line : lines)
            if (LineDomain(line) == domain)
                extracted.append(line);
    return extracted;
}

} // namespace literal
