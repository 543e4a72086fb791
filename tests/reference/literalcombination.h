#pragma once

#include "app/combination.h"
#include "core/lineprimitives.h"

#include <vector>

// The combination exactly as defined: every pair of lines compared by address, the
// address extracted again for both lines of every pair. Only for tests and benchmarks.
struct LiteralCombination {
    AddressList result;
    std::vector<int> progress;

    static bool sameAddress(QByteArrayView a, QByteArrayView b)
    {
        return ExtractAddress(a) == ExtractAddress(b);
    }

    void setBar(qint64 i, qint64 n)
    {
        const int p = int(double(i) * 100.0 / double(n));
        if (p % 2 == 0 && (progress.empty() || progress.back() != p))
            progress.push_back(p);
    }

    LiteralCombination(Combination operation, const AddressList& list1, const AddressList& list2)
    {
        const qsizetype n1 = list1.size();
        const qsizetype n2 = list2.size();
        switch (operation) {
        case Combination::Union:
            result = list1;
            for (qsizetype i = 0; i < n2; ++i) {
                bool found = false;
                for (const QByteArrayView kept : result)
                    if (sameAddress(kept, list2[i]))
                        found = true;
                if (!found)
                    result.append(list2[i]);
                setBar(i, n2);
            }
            break;
        case Combination::Difference:
        case Combination::Intersection:
            for (qsizetype i = 0; i < n1; ++i) {
                bool found = false;
                for (const QByteArrayView other : list2)
                    if (sameAddress(list1[i], other))
                        found = true;
                if (found == (operation == Combination::Intersection))
                    result.append(list1[i]);
                if (operation == Combination::Difference)
                    setBar(i, n1);
            }
            if (operation == Combination::Intersection && n1 > 0)
                progress.push_back(100);
            break;
        }
    }
};
