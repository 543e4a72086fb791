#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Answers the real message boxes that a command shows: while it lives, every modal
// QMessageBox is recorded (caption, text, icon) and closed with its OK button.
class MessageBoxWatcher {
public:
    struct Box {
        QString caption;
        QString text;
        int icon;
    };

    MessageBoxWatcher()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_boxes.append({box->windowTitle(), box->text(), int(box->icon())});
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(5);
    }

    const QList<Box>& boxes() const { return m_boxes; }
    QStringList texts() const
    {
        QStringList texts;
        for (const Box& box : m_boxes)
            texts.append(box.text);
        return texts;
    }

private:
    QTimer m_timer;
    QList<Box> m_boxes;
};
