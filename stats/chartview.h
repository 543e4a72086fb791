#pragma once

#include "stats/chartbar.h"

#include <QList>
#include <QWidget>

// The domain chart as a widget: shows the bars it is given and draws the same picture
// into a bitmap or a metafile of its on-screen size.
class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent);

    void setBars(QList<ChartBar> bars);
    const QList<ChartBar>& bars() const { return m_bars; }

    // The chart at the widget's size, as BMP bytes and as EMF bytes; empty on failure.
    QByteArray bitmapBytes() const;
    QByteArray metafileBytes() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintOn(QPainter& painter) const;

    QList<ChartBar> m_bars;
};
