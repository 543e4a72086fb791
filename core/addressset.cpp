#include "core/addressset.h"

#include "core/lineprimitives.h"

#include <cstring>
#include <functional>
#include <string_view>

namespace {

// Open addressing with linear probing, kept at most half full.
constexpr size_t firstCapacity = size_t(1) << 16;

size_t hashOf(QByteArrayView key)
{
    return std::hash<std::string_view>{}(std::string_view(key.data(), size_t(key.size())));
}

// An empty address may be a null view; stored slots need a pointer that is never null.
const char* storable(QByteArrayView key)
{
    return key.data() != nullptr ? key.data() : "";
}

} // namespace

AddressSet::AddressSet()
    : m_slots(firstCapacity)
    , m_mask(firstCapacity - 1)
{
}

void AddressSet::prepare(Batch& batch, int k, QByteArrayView line) const
{
    const QByteArrayView key = ExtractAddress(line);
    batch.keys[size_t(k)] = key;
    batch.hashes[size_t(k)] = hashOf(key);
    __builtin_prefetch(&m_slots[batch.hashes[size_t(k)] & m_mask]);
}

void AddressSet::fetchStoredAddress(size_t hash) const
{
    for (size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
        const Slot& slot = m_slots[i];
        if (slot.data == nullptr)
            return;
        if (slot.hash == hash) {
            __builtin_prefetch(slot.data);
            return;
        }
    }
}

size_t AddressSet::slotFor(QByteArrayView key, size_t hash) const
{
    for (size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
        const Slot& slot = m_slots[i];
        if (slot.data == nullptr ||
            (slot.hash == hash && slot.size == key.size() &&
             std::memcmp(slot.data, storable(key), size_t(key.size())) == 0))
            return i;
    }
}

bool AddressSet::insert(QByteArrayView key, size_t hash)
{
    if ((m_used + 1) * 2 > m_slots.size())
        grow();
    Slot& slot = m_slots[slotFor(key, hash)];
    if (slot.data != nullptr)
        return false;
    slot = {storable(key), key.size(), hash};
    ++m_used;
    return true;
}

bool AddressSet::contains(QByteArrayView key, size_t hash) const
{
    return m_slots[slotFor(key, hash)].data != nullptr;
}

void AddressSet::grow()
{
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    m_mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.data == nullptr)
            continue;
        size_t i = slot.hash & m_mask;
        while (m_slots[i].data != nullptr)
            i = (i + 1) & m_mask;
        m_slots[i] = slot;
    }
}
