#pragma once

#include "controls/styledcontrol.h"

#include <QColor>

// The styled check box of the tool windows: a 14 x 14 gradient box with a dark-blue
// border and a green check mark, an orange ring while the pointer is over it. Space arms
// it while it has the focus; Alt and the caption's accelerator toggle it.
class TxpCheckBox : public StyledControl {
    Q_OBJECT
    Q_PROPERTY(TCheckBoxAlignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    // Where the caption sits: cbaRight puts the box at the left and the caption right of
    // it, cbaLeft the caption at the left and the box at the right edge.
    enum TCheckBoxAlignment { cbaLeft, cbaRight };
    Q_ENUM(TCheckBoxAlignment)

    explicit TxpCheckBox(QWidget* parent = nullptr);

    TCheckBoxAlignment alignment() const { return m_alignment; }
    void setAlignment(TCheckBoxAlignment alignment);

    // The background of the whole control; until one is set, the system button face, the
    // colour dialogs stand on, which Qt calls the window colour (its button colour differs
    // from it on most desktops).
    QColor color() const;
    void setColor(const QColor& colour);

protected:
    bool armsOnKey(int key) const override { return key == Qt::Key_Space; }
    void activate() override { click(); }
    void acceleratorTyped() override;
    void keyReleased(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The box with its gradient and border, at the layout size.
    void paintBox(QPainter& canvas, const QRect& box) const;

    TCheckBoxAlignment m_alignment = cbaRight;
    QColor m_colour;
};
