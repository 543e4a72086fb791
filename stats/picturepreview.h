#pragma once

#include <QLabel>

class QFileDialog;

// A small view beside a file dialog's list that shows the picture under the cursor,
// scaled to fit; files that Qt cannot read as a picture show their name only.
class PicturePreview : public QLabel {
    Q_OBJECT

public:
    // Adds the preview to the right of the dialog's own controls; the dialog owns it.
    explicit PicturePreview(QFileDialog& dialog);

    void showFile(const QString& path);
};
