#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Answers the real message boxes that a command shows: while it lives, every modal
// QMessageBox is recorded (caption, text, icon) and closed with its OK button.
class MessageBoxWatcher : public QObject {
    Q_OBJECT

public:
    struct Box {
        QString caption;
        QString text;
        int icon;
    };

    MessageBoxWatcher();

    const QList<Box>& boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); }

private:
    void closeOpenBox();

    QTimer m_timer;
    QList<Box> m_boxes;
};
