#pragma once

#include <QString>

#include <optional>

// A whole-number field: an optional sign and decimal digits only, no blanks, within 32 bits.
std::optional<qint32> parseWholeNumber(QStringView text);

// As parseWholeNumber, but a text that is no whole number ends the command with
// "'text' is not a valid integer value".
qint32 requireWholeNumber(const QString& text);
