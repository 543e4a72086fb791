#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QMetaType>

#include <compare>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <span>
#include <utility>

// An ordered list of raw text lines, exactly as read: bytes, never re-encoded.
//
// The bytes live in a few large buffers shared by reference: the contents of a file as read,
// or chunks the list fills with the lines it makes itself. Each entry is a view into one of
// them, so ten million lines make no ten million allocations. Copying a list, taking a part
// of it or appending another list's entries shares the buffers and never copies the bytes;
// a buffer lives as long as any list refers to it.
class AddressList {
public:
    // Where the bytes of one entry stand, in 12 bytes: ten million lines are a third smaller
    // than with a pointer and a 64-bit size. A user-space address fits in 48 bits (the
    // system hands out none above them), so the size's upper 16 bits ride above the
    // address and lines of up to 2^48 bytes fit.
    class Entry {
    public:
        Entry() = default;
        Entry(const char* data, qint64 size)
            : m_sizeLow(quint32(size))
        {
            const quint64 address = quint64(quintptr(data));
            Q_ASSERT(address >> addressBits == 0 && quint64(size) >> sizeBits == 0);
            const quint64 word = address | quint64(size) >> 32 << addressBits;
            std::memcpy(m_word, &word, sizeof word);
        }
        QByteArrayView view() const
        {
            quint64 word;
            std::memcpy(&word, m_word, sizeof word);
            const auto* const data =
                reinterpret_cast<const char*>(quintptr(word & ((quint64(1) << addressBits) - 1)));
            return {data, qsizetype(quint64(m_sizeLow) | word >> addressBits << 32)};
        }

    private:
        static constexpr int addressBits = 48;
        static constexpr int sizeBits = 32 + 64 - addressBits;
        // Two 32-bit halves, so an array of entries packs at 4-byte steps.
        quint32 m_word[2];
        quint32 m_sizeLow;
    };
    static_assert(sizeof(Entry) == 12);

    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = QByteArrayView;
        using difference_type = qsizetype;
        using reference = QByteArrayView;
        using pointer = void;

        const_iterator() = default;
        explicit const_iterator(const Entry* entry)
            : m_entry(entry)
        {
        }
        QByteArrayView operator*() const { return m_entry->view(); }
        QByteArrayView operator[](qsizetype n) const { return m_entry[n].view(); }
        const_iterator& operator++() { return ++m_entry, *this; }
        const_iterator operator++(int) { return const_iterator(m_entry++); }
        const_iterator& operator--() { return --m_entry, *this; }
        const_iterator operator--(int) { return const_iterator(m_entry--); }
        const_iterator& operator+=(qsizetype n) { return m_entry += n, *this; }
        const_iterator& operator-=(qsizetype n) { return m_entry -= n, *this; }
        friend const_iterator operator+(const_iterator it, qsizetype n) { return it += n; }
        friend const_iterator operator+(qsizetype n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, qsizetype n) { return it -= n; }
        friend qsizetype operator-(const_iterator a, const_iterator b)
        {
            return a.m_entry - b.m_entry;
        }
        friend bool operator==(const_iterator a, const_iterator b) = default;
        friend auto operator<=>(const_iterator a, const_iterator b) = default;

    private:
        const Entry* m_entry = nullptr;
    };
    using iterator = const_iterator;
    using value_type = QByteArrayView;

    AddressList() = default;
    AddressList(std::initializer_list<QByteArrayView> lines);

    // A list of `entries` that all point into `bytes`, which the list keeps.
    AddressList(QByteArray bytes, QList<Entry> entries);
    // A list of `entries` that all point into the bytes of `source`, which it shares.
    static AddressList sharingBytesOf(const AddressList& source, QList<Entry> entries);

    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    QByteArrayView operator[](qsizetype i) const { return m_entries[i].view(); }
    QByteArrayView at(qsizetype i) const { return m_entries.at(i).view(); }
    const_iterator begin() const { return const_iterator(m_entries.constData()); }
    const_iterator end() const { return const_iterator(m_entries.constData() + size()); }

    void clear();
    void reserve(qsizetype n) { reserveEntries(m_entries, n); }
    // Room for n entries in `entries`, where long lists take large pages.
    static void reserveEntries(QList<Entry>& entries, qsizetype n);

    // Copies the bytes of `line` into a buffer of this list's own.
    void append(QByteArrayView line);
    // One entry made of `parts` one after another, copied as append() copies a line.
    void appendJoined(std::initializer_list<QByteArrayView> parts);
    // Entry i of `source`, or all of `source`, sharing the bytes.
    void append(const AddressList& source, qsizetype i);
    void append(const AddressList& source);
    // Entry i becomes a copy of `line`.
    void replace(qsizetype i, QByteArrayView line);

    // `length` entries from `pos` (all the rest for -1), sharing the bytes.
    AddressList mid(qsizetype pos, qsizetype length = -1) const;

    // The entries themselves, for reading them where they stand.
    std::span<const Entry> entries() const { return {m_entries.constData(), size_t(size())}; }
    // The entries themselves, for reordering in place: only entries of this list may be
    // written back into it.
    std::span<Entry> entriesToReorder();

    // Line by line, byte for byte.
    friend bool operator==(const AddressList& a, const AddressList& b);

    // The bytes given whole to this list (a file as read) if they equal `bytes`, or a null
    // array: a list read again from an unchanged file can share them instead of a copy.
    QByteArray wholeBufferEqualTo(QByteArrayView bytes) const;

private:
    // Room at the end of the newest own buffer for lines still to come. A copy of the list
    // shares that buffer but must not write into it, so the room is not copied.
    struct Room {
        char* next = nullptr;
        qsizetype left = 0;
        qsizetype bufferSize = 0; // of the newest own buffer; the next one is twice as large

        Room() = default;
        Room(const Room&) {}
        Room& operator=(const Room&) { return *this = Room(); }
        Room(Room&& other) noexcept { *this = std::move(other); }
        Room& operator=(Room&& other) noexcept
        {
            next = std::exchange(other.next, nullptr);
            left = std::exchange(other.left, 0);
            bufferSize = std::exchange(other.bufferSize, 0);
            return *this;
        }
    };

    struct Buffer {
        QByteArray bytes;
        // Given whole, never written to; the others are the lists' own, which the list that
        // made one may still write lines into.
        bool whole;
    };

    char* roomFor(qsizetype bytes);
    // The parts copied one after another into the list's own room.
    Entry copied(std::initializer_list<QByteArrayView> parts);
    void shareBuffersOf(const AddressList& source);

    QList<Entry> m_entries;
    QList<Buffer> m_buffers;
    // The buffer list of the last source whose buffers were taken over: while it is the
    // same (held here, so it cannot change unseen), there is nothing to take over again.
    QList<Buffer> m_sharedFrom;
    Room m_room;
};

Q_DECLARE_TYPEINFO(AddressList::Entry, Q_PRIMITIVE_TYPE);
Q_DECLARE_METATYPE(AddressList)
