#pragma once

#include "core/addresslist.h"

#include <QByteArrayList>

// Address lists written as QByteArrayList in test tables, and back for comparing.
inline AddressList listOf(const QByteArrayList& lines)
{
    AddressList list;
    for (const QByteArray& line : lines)
        list.append(line);
    return list;
}

inline QByteArrayList bytesOf(const AddressList& list)
{
    QByteArrayList lines;
    for (const QByteArrayView line : list)
        lines.append(line.toByteArray());
    return lines;
}
