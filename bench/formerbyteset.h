#pragma once

// The open-addressing set of byte strings the program used before AddressSet and Boost's
// flat tables; kept only as a yardstick for bench_hashsets.

#include <QByteArrayView>

#include <cstdint>
#include <string_view>
#include <vector>

// A set of byte strings compared exactly, for the "is this address already known"
// questions of the list operations. It stores views: the bytes must outlive the set.
// Open addressing in one flat array, so a million inserts make no million allocations.
class ByteSet {
public:
    explicit ByteSet(qsizetype expected = 0) { rehash(capacityFor(expected)); }

    // True when `bytes` was not in the set yet.
    bool insert(QByteArrayView bytes)
    {
        if ((m_size + 1) * 4 > qsizetype(m_slots.size()) * 3)
            rehash(m_slots.size() * 2);
        const std::string_view key(bytes.data(), size_t(bytes.size()));
        const size_t hash = std::hash<std::string_view>{}(key);
        Slot& slot = m_slots[slotFor(key, hash)];
        if (slot.used)
            return false;
        slot = {key, hash, true};
        ++m_size;
        return true;
    }

    bool contains(QByteArrayView bytes) const
    {
        const std::string_view key(bytes.data(), size_t(bytes.size()));
        return m_slots[slotFor(key, std::hash<std::string_view>{}(key))].used;
    }

    qsizetype size() const { return m_size; }

private:
    struct Slot {
        std::string_view key;
        size_t hash = 0;
        bool used = false;
    };

    static size_t capacityFor(qsizetype expected)
    {
        size_t capacity = 16;
        while (capacity * 3 < size_t(expected) * 4 + 4)
            capacity *= 2;
        return capacity;
    }

    // The slot holding `key`, or the free slot where it belongs.
    size_t slotFor(std::string_view key, size_t hash) const
    {
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = m_slots[i];
            if (!slot.used || (slot.hash == hash && slot.key == key))
                return i;
        }
    }

    void rehash(size_t capacity)
    {
        std::vector<Slot> old(capacity);
        old.swap(m_slots);
        for (const Slot& slot : old)
            if (slot.used)
                m_slots[slotFor(slot.key, slot.hash)] = slot;
    }

    std::vector<Slot> m_slots;
    qsizetype m_size = 0;
};
