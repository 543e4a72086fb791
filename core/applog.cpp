#include "core/applog.h"

#include <QStringDecoder>

namespace {

LogSink& logSink()
{
    static LogSink sink;
    return sink;
}

// Stateless: an incomplete sequence at the end of a line is an error, not a remainder
// kept for a next call. A byte order mark is shown (as nothing), never dropped.
constexpr auto decodingFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

} // namespace

void setLogSink(LogSink sink)
{
    logSink() = std::move(sink);
}

void AppendLog(const QString& text)
{
    if (logSink())
        logSink()(text);
}

QString shownText(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::System, decodingFlags);
    const QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString::fromLatin1(bytes) : text;
}
