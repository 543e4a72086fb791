#include "core/applog.h"

namespace {

LogSink& logSink()
{
    static LogSink sink;
    return sink;
}

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
