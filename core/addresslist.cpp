#include "core/addresslist.h"

#include "core/largepages.h"

#include <algorithm>
#include <cstring>

namespace {

// Own buffers start small, as most lists a program makes are, and double up to a size
// whose unused end costs little.
constexpr qsizetype firstBufferSize = 4096;
constexpr qsizetype largestBufferSize = qsizetype(64) << 20;

} // namespace

AddressList::AddressList(std::initializer_list<QByteArrayView> lines)
{
    m_entries.reserve(qsizetype(lines.size()));
    for (const QByteArrayView line : lines)
        append(line);
}

AddressList::AddressList(QByteArray bytes, QList<Entry> entries)
    : m_entries(std::move(entries))
{
    m_buffers.append({std::move(bytes), true});
}

void AddressList::reserveEntries(QList<Entry>& entries, qsizetype n)
{
    entries.reserve(n);
    adviseLargePages(entries.constData(), entries.capacity() * qsizetype(sizeof(Entry)));
}

AddressList AddressList::sharingBytesOf(const AddressList& source, QList<Entry> entries)
{
    AddressList list;
    list.m_entries = std::move(entries);
    list.m_buffers = source.m_buffers;
    return list;
}

void AddressList::clear()
{
    // Gives the entries' memory back too (QList's clear keeps it): a list emptied before a
    // long list is read again must not hold the old entries while the new ones are made.
    m_entries = QList<Entry>();
    m_buffers.clear();
    m_sharedFrom.clear();
    m_room = Room();
}

char* AddressList::roomFor(qsizetype bytes)
{
    if (bytes > m_room.left) {
        const qsizetype size =
            std::max(bytes, std::clamp(m_room.bufferSize * 2, firstBufferSize, largestBufferSize));
        QByteArray buffer(size, Qt::Uninitialized);
        adviseLargePages(buffer.constData(), size);
        m_room.next = buffer.data();
        m_room.left = size;
        m_room.bufferSize = size;
        m_buffers.append({std::move(buffer), false});
    }
    char* const room = m_room.next;
    m_room.next += bytes;
    m_room.left -= bytes;
    return room;
}

AddressList::Entry AddressList::copied(std::initializer_list<QByteArrayView> parts)
{
    qsizetype size = 0;
    for (const QByteArrayView part : parts)
        size += part.size();
    char* const room = roomFor(size);
    char* out = room;
    for (const QByteArrayView part : parts) {
        if (!part.isEmpty())
            std::memcpy(out, part.data(), size_t(part.size()));
        out += part.size();
    }
    return {room, size};
}

void AddressList::append(QByteArrayView line)
{
    m_entries.append(copied({line}));
}

void AddressList::appendJoined(std::initializer_list<QByteArrayView> parts)
{
    m_entries.append(copied(parts));
}

void AddressList::shareBuffersOf(const AddressList& source)
{
    const Buffer* const sourceBuffers = source.m_buffers.constData();
    if (source.m_buffers.isEmpty() || sourceBuffers == m_buffers.constData() ||
        sourceBuffers == m_sharedFrom.constData())
        return;
    for (const Buffer& buffer : source.m_buffers) {
        const auto same = [&](const Buffer& held) {
            return held.bytes.constData() == buffer.bytes.constData();
        };
        if (std::none_of(m_buffers.cbegin(), m_buffers.cend(), same))
            m_buffers.append(buffer);
    }
    m_sharedFrom = source.m_buffers;
}

void AddressList::append(const AddressList& source, qsizetype i)
{
    const Entry entry = source.m_entries.at(i);
    shareBuffersOf(source);
    m_entries.append(entry);
}

void AddressList::append(const AddressList& source)
{
    if (source.isEmpty())
        return;
    const QList<Entry> entries = source.m_entries;
    shareBuffersOf(source);
    m_entries.append(entries);
}

void AddressList::replace(qsizetype i, QByteArrayView line)
{
    m_entries[i] = copied({line});
}

AddressList AddressList::mid(qsizetype pos, qsizetype length) const
{
    AddressList part;
    part.m_entries = m_entries.mid(pos, length);
    if (!part.m_entries.isEmpty())
        part.m_buffers = m_buffers;
    return part;
}

std::span<AddressList::Entry> AddressList::entriesToReorder()
{
    return {m_entries.data(), size_t(m_entries.size())};
}

QByteArray AddressList::wholeBufferEqualTo(QByteArrayView bytes) const
{
    for (const Buffer& buffer : m_buffers)
        if (buffer.whole && buffer.bytes == bytes)
            return buffer.bytes;
    return {};
}

bool operator==(const AddressList& a, const AddressList& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}
