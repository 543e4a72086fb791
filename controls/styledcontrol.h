#pragma once

#include <QAbstractButton>

// The input rules that the styled push button and check box share: a left press or an
// arming key arms the control, and the next left release over it (or, when a key armed
// it, the next key release) acts. There is no mouse capture of its own: a release outside
// leaves the control armed, drawn pressed again when the pointer comes back.
class StyledControl : public QAbstractButton {
    Q_OBJECT

public:
    // Stores the caption and registers its accelerator (Alt and the character after the
    // first "&"); repaints when it differs.
    void setText(const QString& caption);

    bool mouseInside() const { return m_mouseInside; }
    bool armed() const { return m_armed; }
    bool focused() const { return m_focused; }

signals:
    // Raised when the focus enters or leaves the control, after its own handling.
    void focusEntered();
    void focusLeft();

protected:
    explicit StyledControl(QWidget* parent);

    // The keys whose press arms the control while it has the focus.
    virtual bool armsOnKey(int key) const = 0;
    // The control's action: every way of clicking ends here.
    virtual void activate() = 0;
    // The accelerator was typed (the control is enabled).
    virtual void acceleratorTyped() { activate(); }
    // What follows the control's own handling of a key press or release.
    virtual void keyPressed(QKeyEvent* event);
    virtual void keyReleased(QKeyEvent* event);

    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setMouseInside(bool inside);

    bool m_mouseInside = false;
    bool m_armed = false;
    // Only a key press arms for a key release: a control armed by the mouse and released
    // outside must not be clicked by an unrelated key (Shift, Alt, the Escape that closes
    // the window).
    bool m_armedByKey = false;
    bool m_focused = false;
    int m_extraShortcut = 0;
};
