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
                const bool stop = box->icon() == QMessageBox::Critical;
                m_texts.append(box->text());
                m_shown.append(box->windowTitle() + (stop ? " (stop): " : ": ") + box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(5);
    }

    // The boxes' texts, in order.
    const QStringList& texts() const { return m_texts; }
    // Each box as "caption: text", an error box as "caption (stop): text".
    const QStringList& shown() const { return m_shown; }

private:
    QTimer m_timer;
    QStringList m_texts;
    QStringList m_shown;
};
