#include "controls/accelerator.h"

AcceleratedCaption splitCaption(const QString& caption)
{
    const qsizetype marker = caption.indexOf(QLatin1Char('&'));
    if (marker < 0)
        return {caption, -1};
    QString shown = caption;
    shown.remove(marker, 1);
    const int accelerator = marker < shown.size() ? int(marker) : -1;
    return {shown, accelerator};
}
