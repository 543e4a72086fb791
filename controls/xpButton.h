#pragma once

#include "controls/styledcontrol.h"

#include <QPointer>

// The styled push button of the tool windows and the about window: a rounded dark-blue
// frame round a light gradient face, orange while the pointer is over it, the gradient
// reversed while pressed. Enter and Space arm it while it has the focus; Alt and the
// caption's accelerator click it.
class TxpButton : public StyledControl {
    Q_OBJECT
    Q_PROPERTY(bool default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool cancel READ isCancel WRITE setCancel)
    Q_PROPERTY(int modalResult READ modalResult WRITE setModalResult)

public:
    explicit TxpButton(QWidget* parent = nullptr);

    // Enter (Default) or Escape (Cancel) that the window's focused control leaves
    // unhandled clicks the button.
    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault);
    bool isCancel() const { return m_cancel; }
    void setCancel(bool isCancel);

    // When not 0, a click ends the modal dialog the button sits in with this result.
    int modalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

signals:
    // Every key pressed or released while the button has the focus.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void keyUp(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool armsOnKey(int key) const override;
    void activate() override;
    void keyPressed(QKeyEvent* event) override;
    void keyReleased(QKeyEvent* event) override;

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The frame and face at the layout size, on a transparent picture of the button.
    void paintEnabledLook(QPainter& canvas) const;
    void paintDisabledLook(QPainter& canvas) const;

    // Follows the window that offers Enter and Escape, while Default or Cancel is set.
    void watchWindow();

    bool m_default = false;
    bool m_cancel = false;
    int m_modalResult = 0;
    QPointer<QWidget> m_watchedWindow;
};
