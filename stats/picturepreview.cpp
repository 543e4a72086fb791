#include "stats/picturepreview.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLineEdit>

namespace {

constexpr int previewSide = 160;

} // namespace

PicturePreview::PicturePreview(QFileDialog& dialog)
    : QLabel(&dialog)
{
    setObjectName("preview");
    setFixedSize(previewSide, previewSide);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setWordWrap(true);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(this, 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);
    connect(&dialog, &QFileDialog::currentChanged, this, &PicturePreview::showFile);
    // A typed name is previewed too, where the dialog's name field can be found.
    if (auto* typed = dialog.findChild<QLineEdit*>("fileNameEdit"))
        connect(typed, &QLineEdit::textChanged, this, [this, &dialog](const QString& name) {
            if (!name.isEmpty())
                showFile(dialog.directory().absoluteFilePath(name));
        });
}

void PicturePreview::showFile(const QString& path)
{
    QImageReader reader(path);
    const QImage picture = QFileInfo(path).isFile() ? reader.read() : QImage();
    if (picture.isNull()) {
        setPixmap({});
        setText(QFileInfo(path).fileName());
        return;
    }
    setText({});
    setPixmap(QPixmap::fromImage(
        picture.scaled(size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
