#pragma once

#include <QByteArray>
#include <QtGlobal>

// One bar of the domain chart: its share of the list in percent, its label and its colour
// (red in the low byte, green in the middle byte, blue in the high byte).
struct ChartBar {
    double value = 0;
    QByteArray label;
    quint32 colour = 0;

    bool operator==(const ChartBar&) const = default;
};
