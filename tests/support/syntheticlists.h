#pragma once

#include "core/addresslist.h"

#include <random>

// Address lists for differential tests and benchmarks: repeatable for a seed, rich in
// the cases that break shortcuts (case-varied duplicates, names before addresses,
// blank and comma-ended lines, bytes above 127).
class SyntheticLists {
public:
    explicit SyntheticLists(unsigned seed)
        : m_random(seed)
    {
    }

    // `count` lines drawn from about `distinct` addresses over `domains` domains.
    AddressList mixed(qsizetype count, int distinct, int domains)
    {
        AddressList list;
        list.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            list.append(line(distinct, domains));
        return list;
    }

    // Plain unique-ish addresses, as a real mailing list holds.
    AddressList addresses(qsizetype count, int domains)
    {
        AddressList list;
        list.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            list.append("user" + QByteArray::number(quint32(m_random())) + "@" + domain(domains));
        return list;
    }

    QByteArray line(int distinct, int domains)
    {
        switch (pick(20)) {
        case 0:
            return {};
        case 1:
            return "   ";
        case 2:
            return address(distinct, domains) + ",";
        case 3:
            return "Ann Lee " + address(distinct, domains);
        case 4:
            return "\t" + address(distinct, domains) + "  ";
        case 5:
            return varyCase(address(distinct, domains));
        case 6:
            return "x\xe9" + address(distinct, domains);
        default:
            return address(distinct, domains);
        }
    }

    QByteArray address(int distinct, int domains)
    {
        return "u" + QByteArray::number(pick(distinct)) + "@" + domain(domains);
    }

    QByteArray domain(int domains) { return "d" + QByteArray::number(pick(domains)) + ".test"; }

    QByteArray varyCase(QByteArray text)
    {
        for (char& c : text)
            if (c >= 'a' && c <= 'z' && pick(2) == 0)
                c = char(c - 0x20);
        return text;
    }

    int pick(int range) { return int(m_random() % unsigned(std::max(range, 1))); }

private:
    std::mt19937 m_random;
};
