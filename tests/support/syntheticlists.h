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

    // Blank, comma-ended, named, padded, case-varied or high-byte-led lines among bare addresses.
    QByteArray line(int distinct, int domains)
    {
        const int shape = pick(20);
        const QByteArray bare = shape > 1 ? address(distinct, domains) : QByteArray();
        const QByteArray varied = shape == 5 ? varyCase(bare) : bare;
        const QByteArray shapes[] = {
            {}, "   ", bare + ",", "Ann Lee " + bare, "\t" + bare + "  ", varied, "x\xe9" + bare};
        return shape < 7 ? shapes[shape] : bare;
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
