#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Answers the real message boxes that a command shows: while it lives, every modal
// QMessageBox is recorded and closed with its OK button.
class MessageBoxWatcher {
public:
    MessageBoxWatcher()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_texts.append(box->text());
                m_shown.append(box->windowTitle() + marks(*box) + ": " + box->text());
                if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                    ok->click();
                else
                    box->reject();
            }
        });
        m_timer.start(5);
    }

    // The boxes' texts, in order.
    const QStringList& texts() const { return m_texts; }
    // Each box as "caption: text", a box with an icon or other buttons than OK alone as
    // "caption (stop): text" or "caption (question; Yes, No): text".
    const QStringList& shown() const { return m_shown; }

private:
    static QString marks(const QMessageBox& box)
    {
        static const QStringList icons{"", "information", "warning", "stop", "question"};
        QStringList marks{icons.value(box.icon())};
        QStringList buttons;
        for (const QAbstractButton* button : box.buttons())
            buttons.append(QString(button->text()).remove('&'));
        if (buttons != QStringList{"OK"})
            marks.append(buttons.join(", "));
        marks.removeAll("");
        return marks.isEmpty() ? QString() : " (" + marks.join("; ") + ")";
    }

    QTimer m_timer;
    QStringList m_texts;
    QStringList m_shown;
};
