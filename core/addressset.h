#pragma once

#include "core/addresslist.h"

#include <QByteArrayView>

#include <array>
#include <vector>

// The set of addresses that the duplicate removal and the combinations ask about for every
// line of lists of millions of lines, compared as exact bytes (case counts).
//
// Each question costs a trip to memory for the table slot and another for the stored
// address to compare with; asked one after the other, they leave the processor waiting.
// So lines are taken sixteen at a time: their slots and stored addresses are fetched
// together first, then the questions are answered in line order. Boost's flat tables,
// which the smaller indexes use, offer no way to fetch ahead like this; on ten million
// lines this set is about 2.5 times as fast (bench_hashsets).
//
// It stores views: the lines' bytes must outlive the set.
class AddressSet {
public:
    AddressSet();

    // Adds the address of every line, in order; visit(i, isNew) hears for line i whether its
    // address was not in the set before (a repeat within the same lines is not new).
    template <typename Visit> void insertAddresses(const AddressList& lines, const Visit& visit)
    {
        forEachBatch(lines, [&](Batch& batch, qsizetype first) {
            for (int k = 0; k < batch.count; ++k)
                visit(first + k, insert(batch.keys[k], batch.hashes[k]));
        });
    }

    // visit(i, found) hears for every line i whether its address is in the set.
    template <typename Visit> void findAddresses(const AddressList& lines, const Visit& visit) const
    {
        forEachBatch(lines, [&](Batch& batch, qsizetype first) {
            for (int k = 0; k < batch.count; ++k)
                visit(first + k, contains(batch.keys[k], batch.hashes[k]));
        });
    }

private:
    struct Slot {
        const char* data = nullptr; // null: the slot is free
        qint64 size = 0;
        size_t hash = 0;
    };

    static constexpr int batchSize = 16;
    struct Batch {
        int count = 0;
        std::array<QByteArrayView, batchSize> keys;
        std::array<size_t, batchSize> hashes;
    };

    template <typename Answer>
    void forEachBatch(const AddressList& lines, const Answer& answer) const
    {
        Batch batch;
        for (qsizetype first = 0; first < lines.size(); first += batchSize) {
            batch.count = int(std::min<qsizetype>(batchSize, lines.size() - first));
            for (int k = 0; k < batch.count; ++k)
                prepare(batch, k, lines[first + k]);
            for (int k = 0; k < batch.count; ++k)
                fetchStoredAddress(batch.hashes[k]);
            answer(batch, first);
        }
    }

    void prepare(Batch& batch, int k, QByteArrayView line) const;
    void fetchStoredAddress(size_t hash) const;
    bool insert(QByteArrayView key, size_t hash);
    bool contains(QByteArrayView key, size_t hash) const;
    // The slot holding `key`, or the free slot where it belongs.
    size_t slotFor(QByteArrayView key, size_t hash) const;
    void grow();

    std::vector<Slot> m_slots;
    size_t m_mask = 0;
    size_t m_used = 0;
};
