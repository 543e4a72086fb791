#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdio>
#include <memory>

// Records GDI drawing calls as an enhanced metafile (EMF) through libEMF. Coordinates are
// pixels of a `size` canvas at 96 dots per inch; finish() returns the file's bytes.
class EmfRecorder {
public:
    explicit EmfRecorder(QSize size);
    ~EmfRecorder();
    EmfRecorder(const EmfRecorder&) = delete;
    EmfRecorder& operator=(const EmfRecorder&) = delete;

    // A dotted pen is drawn dotted; a width of 0 is the thinnest line.
    void setPen(const QColor& colour, int width, bool dotted);
    void setNoPen();
    void setBrush(const QColor& colour);
    void setNoBrush();
    void setFont(const QString& family, int pixelHeight, bool bold, bool italic);

    // The outline and fill of the rectangle from `topLeft` to `bottomRight`, both included.
    void rectangle(QPoint topLeft, QPoint bottomRight);
    void polyline(const QList<QPoint>& points);
    void polygon(const QList<QPoint>& points);
    // Text with its base line at `origin`, in `colour`, on a transparent background.
    void text(QPoint origin, const QString& text, const QColor& colour);

    // Ends the metafile; nothing may be drawn afterwards. Empty when it could not be written.
    QByteArray finish();

private:
    void replaceSelected(quint32& current, quint32 replacement);

    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> m_file;
    // libEMF's handles are plain integers; 0 is none.
    quint32 m_context = 0;
    quint32 m_pen = 0;
    quint32 m_brush = 0;
    quint32 m_font = 0;
};
