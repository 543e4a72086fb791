#include "tools/cleaning.h"

#include "core/addressset.h"
#include "core/bytekeys.h"
#include "core/lineprimitives.h"

#include <algorithm>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

// The address token never holds a blank, so the trimmed line is examined instead, but only
// from the character before its first "@": blanks earlier merely part a name from the
// address, while a blank there or later splits the address ("ann @x.test", "ann@x .test").
bool hasSpacesInAddress(QByteArrayView line)
{
    const QByteArrayView text = TrimControl(line);
    const qsizetype at = text.indexOf('@');
    if (at < 0)
        return false;
    const QByteArrayView fromAt = text.sliced(std::max<qsizetype>(at - 1, 0));
    return std::any_of(fromAt.begin(), fromAt.end(), isSpace);
}

CleanResult cleanLines(const AddressList& lines, const CleanTests& tests)
{
    CleanResult result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView line = lines[i];
        const QByteArrayView address = ExtractAddress(line);
        bool kept = true;
        const auto discard = [&](QByteArrayView label) {
            kept = false;
            if (label.isEmpty())
                result.log.append(lines, i);
            else
                result.log.appendJoined({label, line});
        };
        if (tests.emptyLine && line.isEmpty())
            discard("empty");
        if (tests.withoutAtOrShort && address.indexOf('@') < 2 &&
            address.size() <= tests.shortLength)
            discard({});
        if (tests.startsWithDigit && address.size() >= 2 && isDigit(address.front()))
            discard("starts with #: ");
        if (tests.longerThan && line.size() > tests.longLength)
            discard({});
        if (tests.spacesInAddress && hasSpacesInAddress(line))
            discard("With spaces: ");
        if (kept)
            result.kept.append(lines, i);
    }
    return result;
}

namespace {

// For every line whose address an earlier line has, that earlier line.
AddressList keptLinesOfDropped(const AddressList& lines)
{
    AddressList matches;
    ByteKeyMap<qsizetype> firstLineOf;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto [found, isNew] = firstLineOf.try_emplace(byteKey(ExtractAddress(lines[i])), i);
        if (!isNew)
            matches.append(lines, found->second);
    }
    return matches;
}

} // namespace

// Equals scanning the kept lines for the first one with the same address, as the
// literal version does; a set of the addresses kept makes it one pass.
DuplicateRemoval removeDuplicateAddresses(const AddressList& lines,
                                          const EvenProgress::Sink& progress, Matches matches)
{
    DuplicateRemoval result;
    EvenProgress bar(lines.size(), progress);
    AddressSet seen;
    seen.insertAddresses(lines, [&](qsizetype i, bool isNew) {
        if (isNew)
            result.kept.append(lines, i);
        bar.at(i);
    });
    result.dropped = lines.size() - result.kept.size();
    if (matches == Matches::Listed)
        result.keptMatches = keptLinesOfDropped(lines);
    return result;
}
