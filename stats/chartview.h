#pragma once

#include "stats/chartbar.h"
#include "stats/chartpainter.h"

#include <QList>
#include <QVariantAnimation>
#include <QWidget>

#include <optional>

// The domain chart as a widget: shows the bars it is given and draws the same picture
// into a bitmap or a metafile of its on-screen size. Dragging a rectangle down and to the
// right zooms into it, dragging up or to the left shows the whole chart again; both move
// there in a short animation.
class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent);

    // New bars are shown whole.
    void setBars(QList<ChartBar> bars);
    const QList<ChartBar>& bars() const { return m_bars; }

    // The part on show; nothing while the whole chart is shown.
    const std::optional<ChartWindow>& shownWindow() const { return m_window; }

    // The chart as shown, at the widget's size, as BMP bytes and as EMF bytes; empty on failure.
    QByteArray bitmapBytes() const;
    QByteArray metafileBytes() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintOn(QPainter& painter) const;
    ChartWindow currentWindow() const;
    void moveTo(const std::optional<ChartWindow>& target);

    QList<ChartBar> m_bars;
    std::optional<ChartWindow> m_window;
    std::optional<ChartWindow> m_target;
    ChartWindow m_start;
    QVariantAnimation m_zoom;
    std::optional<QPoint> m_dragFrom;
    QPoint m_dragTo;
};
