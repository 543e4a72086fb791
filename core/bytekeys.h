#pragma once

#include <QByteArrayView>

#include <boost/unordered/unordered_flat_map.hpp>
#include <boost/unordered/unordered_flat_set.hpp>

#include <string_view>

// Hash sets and maps of exact byte strings (case counts), for the "is this address or domain
// already known" questions of the list operations. Boost's flat tables keep their entries in
// one array, so a million keys make no million allocations. The keys are views: the bytes
// they point to (a list's buffers) must outlive the table.
inline std::string_view byteKey(QByteArrayView bytes)
{
    return {bytes.data(), size_t(bytes.size())};
}

using ByteKeySet = boost::unordered_flat_set<std::string_view>;

template <typename Value> using ByteKeyMap = boost::unordered_flat_map<std::string_view, Value>;
