#pragma once

#include <QByteArray>
#include <QList>

// An ordered list of raw text lines, exactly as read: bytes, never re-encoded.
using AddressList = QList<QByteArray>;
