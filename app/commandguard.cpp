#include "app/commandguard.h"

#include "app/notices.h"
#include "core/apperror.h"

#include <new>

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
