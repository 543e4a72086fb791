#pragma once

#include "core/addresslist.h"

#include <QByteArrayView>
#include <QList>

#include <optional>

// The domains of `found` to append to a list view already holding `listed`: the non-empty
// ones not listed yet, in the order of `found`, each once. Texts compare as exact bytes.
AddressList domainsToList(const AddressList& listed, const AddressList& found);

// For every chosen domain in order, the lines of `lines` whose line domain equals it
// exactly, in input order; a domain chosen twice yields its lines twice.
AddressList linesOfDomains(const AddressList& lines, const AddressList& chosen);

// Moves the entries at `rows` of `source` (any order; repeats and rows out of range are ignored) to
// the end of `target`, keeping the order they had in `source`.
void moveEntries(AddressList& source, AddressList& target, QList<qsizetype> rows);

// The text an in-place edit stores: the typed bytes without the leading and trailing
// blanks and control bytes that no line domain can hold; nothing when none are left,
// so an emptied item keeps its domain.
std::optional<QByteArray> editedDomain(QByteArrayView typed);
