#include "tools/cleaning.h"

#include "core/lineprimitives.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

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
        if (tests.emptyLine && line.isEmpty()) {
            kept = false;
            result.log.append("empty");
        }
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

// Equals scanning the kept lines for the first one with the same address, as the
// literal version does; an index of the addresses kept makes it one pass.
DuplicateRemoval removeDuplicateAddresses(const AddressList& lines,
                                          const EvenProgress::Sink& progress)
{
    DuplicateRemoval result;
    std::unordered_map<std::string_view, qsizetype> firstLineOf;
    firstLineOf.reserve(size_t(lines.size()));
    EvenProgress bar(lines.size(), progress);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView address = ExtractAddress(lines[i]);
        const auto [found, isNew] =
            firstLineOf.try_emplace(std::string_view(address.data(), size_t(address.size())), i);
        if (isNew)
            result.kept.append(lines, i);
        else
            result.keptMatches.append(lines, found->second);
        bar.at(i);
    }
    return result;
}
