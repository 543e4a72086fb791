#pragma once

#include <QString>

// A bar value as the chart shows it ("#,##0.##%"): thousands separated by ",", at most
// two decimals without trailing zeros, and a "%" sign. The value already is a percentage.
QString formatPercent(double value);
