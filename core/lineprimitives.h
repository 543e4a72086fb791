#pragma once

#include <QByteArrayView>

// The address token of a raw line: the last run after a NUL, blank, comma or TAB
// in the line trimmed of bytes 0..32. The view points into `line`.
QByteArrayView ExtractAddress(QByteArrayView line);

// Everything after the first "@"; the whole text when there is none.
QByteArrayView DomainOf(QByteArrayView address);

// Removes leading and trailing bytes of code 0 to 32.
QByteArrayView TrimControl(QByteArrayView text);

// Trim(DomainOf(ExtractAddress(line))): the domain a line is grouped under; empty means none.
QByteArrayView LineDomain(QByteArrayView line);
