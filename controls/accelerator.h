#pragma once

#include <QChar>
#include <QString>

// A control's caption taken apart: the first "&" marks the next character as the
// accelerator and is not shown; any later "&" is shown as it is.
struct AcceleratedCaption {
    QString shown;
    // Index of the accelerator character in shown; -1 when the caption has no "&"
    // (or only a trailing one, which marks nothing).
    int accelerator = -1;

    bool hasAccelerator() const { return accelerator >= 0; }
    QChar acceleratorChar() const { return hasAccelerator() ? shown.at(accelerator) : QChar(); }
};

AcceleratedCaption splitCaption(const QString& caption);
