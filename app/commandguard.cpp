#include "app/commandguard.h"

#include "app/notices.h"
#include "core/apperror.h"

#include <new>

namespace {

QWidget* runningCommandWindow = nullptr;

} // namespace

QWidget* commandWindow()
{
    return runningCommandWindow;
}

CommandWindowScope::CommandWindowScope(QWidget* window)
    : m_outer(runningCommandWindow)
{
    runningCommandWindow = window;
}

CommandWindowScope::~CommandWindowScope()
{
    runningCommandWindow = m_outer;
}

void reportCommandError(const QString& message)
{
    showStopBox(errorBoxText(message));
}

void reportCommandError(const std::exception& error)
{
    if (const auto* appError = dynamic_cast<const AppError*>(&error))
        reportCommandError(appError->message());
    else if (dynamic_cast<const std::bad_alloc*>(&error))
        reportCommandError(QStringLiteral("Out of memory"));
    else
        reportCommandError(QString::fromLocal8Bit(error.what()));
}
