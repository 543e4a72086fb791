#include "app/notices.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void showBox(QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void showNotice(const QString& text)
{
    showBox(QMessageBox::NoIcon, applicationTitle, text);
}

void showStopBox(const QString& text)
{
    showBox(QMessageBox::Critical, applicationTitle, text);
}

void showErrorBox(const QString& caption, const QString& text)
{
    showBox(QMessageBox::Critical, caption, text);
}
