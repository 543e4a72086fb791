#pragma once

#include "stats/chartbar.h"
#include "stats/chartcontent.h"
#include "stats/chartpainter.h"

#include <QImage>
#include <QList>
#include <QVariantAnimation>
#include <QWidget>

#include <optional>

// The domain chart as a widget: shows the bars it is given and draws the same picture into a
// bitmap or a metafile of its on-screen size. The chart is drawn once, at the widget's size
// and the screen's pixel ratio, and every repaint shows that drawing; a resize, a zoom, a
// scroll of the legend or new bars draw it again. Dragging a rectangle down and to the right
// zooms into it, dragging up or to the left shows the whole chart again; both move there in
// a short animation. The legend scrolls by its arrows, its bar and the mouse wheel.
class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent);

    // New bars are shown whole, the legend from its first entry.
    void setBars(QList<ChartBar> bars);
    const QList<ChartBar>& bars() const { return m_content.bars; }

    // The part on show; nothing while the whole chart is shown.
    const std::optional<ChartWindow>& shownWindow() const { return m_window; }
    // The legend as it stands at the widget's size.
    ChartLegend legend() const;
    void scrollLegendTo(int row);

    // The chart as shown, at the widget's size, as BMP bytes and as EMF bytes; empty on
    // failure. The metafile holds every bar and mark, also those that others cover.
    QByteArray bitmapBytes() const;
    QByteArray metafileBytes() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    ChartLook look(bool culled) const;
    void redraw();
    ChartWindow currentWindow() const;
    void moveTo(const std::optional<ChartWindow>& target);

    ChartContent m_content;
    std::optional<ChartWindow> m_window;
    int m_legendRow = 0;
    // The wheel's turn not yet taken as a step, in eighths of a degree.
    int m_wheelTurn = 0;
    // The drawn chart; null when it must be drawn again.
    QImage m_drawn;
    std::optional<ChartWindow> m_target;
    ChartWindow m_start;
    QVariantAnimation m_zoom;
    std::optional<QPoint> m_dragFrom;
    QPoint m_dragTo;
};
