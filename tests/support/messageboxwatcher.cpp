#include "support/messageboxwatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

MessageBoxWatcher::MessageBoxWatcher()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxWatcher::closeOpenBox);
    m_timer.start();
}

QStringList MessageBoxWatcher::texts() const
{
    QStringList texts;
    for (const Box& box : m_boxes)
        texts.append(box.text);
    return texts;
}

void MessageBoxWatcher::closeOpenBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    m_boxes.append({box->windowTitle(), box->text(), int(box->icon())});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->reject();
}
