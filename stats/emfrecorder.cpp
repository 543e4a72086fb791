#include "stats/emfrecorder.h"

// libEMF's Windows headers define min and max unless told not to.
#define NOMINMAX
#include <libEMF/emf.h>

namespace {

// The canvas is laid out in pixels at 96 per inch; the frame is given in 0.01 mm.
constexpr int pixelsPerInch = 96;
constexpr int hundredthsOfMmPerInch = 2540;

COLORREF colourRef(const QColor& colour)
{
    return RGB(colour.red(), colour.green(), colour.blue());
}

} // namespace

EmfRecorder::EmfRecorder(QSize size)
    : m_file(std::tmpfile())
{
    if (!m_file)
        return;
    const RECT frame{0, 0, size.width() * hundredthsOfMmPerInch / pixelsPerInch,
                     size.height() * hundredthsOfMmPerInch / pixelsPerInch};
    m_context = CreateEnhMetaFileWithFILEA(0, m_file.get(), &frame, "Quillmere\0Domain chart\0");
    if (!m_context)
        return;
    // Logical units are the canvas pixels, mapped onto the device units of the frame.
    const int deviceWidth = GetDeviceCaps(m_context, HORZRES);
    const int deviceHeight = GetDeviceCaps(m_context, VERTRES);
    const int deviceWidthMm = GetDeviceCaps(m_context, HORZSIZE);
    const int deviceHeightMm = GetDeviceCaps(m_context, VERTSIZE);
    SetMapMode(m_context, MM_ANISOTROPIC);
    SetWindowExtEx(m_context, size.width(), size.height(), nullptr);
    SetViewportExtEx(m_context, frame.right * deviceWidth / (deviceWidthMm * 100),
                     frame.bottom * deviceHeight / (deviceHeightMm * 100), nullptr);
    SetBkMode(m_context, TRANSPARENT);
    SetTextAlign(m_context, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    SetPolyFillMode(m_context, WINDING);
}

EmfRecorder::~EmfRecorder()
{
    if (m_context)
        DeleteEnhMetaFile(CloseEnhMetaFileWithFILE(m_context));
}

void EmfRecorder::replaceSelected(quint32& current, quint32 replacement)
{
    SelectObject(m_context, replacement);
    if (current)
        DeleteObject(current);
    current = replacement;
}

void EmfRecorder::setPen(const QColor& colour, int width, bool dotted)
{
    if (m_context)
        replaceSelected(m_pen, CreatePen(dotted ? PS_DOT : PS_SOLID, width, colourRef(colour)));
}

void EmfRecorder::setNoPen()
{
    if (m_context)
        replaceSelected(m_pen, CreatePen(PS_NULL, 0, 0));
}

void EmfRecorder::setBrush(const QColor& colour)
{
    if (m_context)
        replaceSelected(m_brush, CreateSolidBrush(colourRef(colour)));
}

void EmfRecorder::setNoBrush()
{
    if (!m_context)
        return;
    const LOGBRUSH hollow{BS_NULL, 0, 0};
    replaceSelected(m_brush, CreateBrushIndirect(&hollow));
}

void EmfRecorder::setFont(const QString& family, int pixelHeight, bool bold, bool italic)
{
    if (!m_context)
        return;
    const QString face = family.left(LF_FACESIZE - 1);
    replaceSelected(
        m_font, CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, false, false,
                            ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, reinterpret_cast<LPCWSTR>(face.utf16())));
}

void EmfRecorder::rectangle(QPoint topLeft, QPoint bottomRight)
{
    // A GDI rectangle leaves out its right and bottom edges.
    if (m_context)
        Rectangle(m_context, topLeft.x(), topLeft.y(), bottomRight.x() + 1, bottomRight.y() + 1);
}

void EmfRecorder::polyline(const QList<QPoint>& points)
{
    if (!m_context || points.size() < 2)
        return;
    MoveToEx(m_context, points.first().x(), points.first().y(), nullptr);
    for (qsizetype i = 1; i < points.size(); ++i)
        LineTo(m_context, points[i].x(), points[i].y());
}

void EmfRecorder::polygon(const QList<QPoint>& points)
{
    if (!m_context || points.size() < 3)
        return;
    QList<POINT> corners;
    corners.reserve(points.size());
    for (const QPoint& point : points)
        corners.append(POINT{point.x(), point.y()});
    Polygon(m_context, corners.constData(), int(corners.size()));
}

void EmfRecorder::text(QPoint origin, const QString& text, const QColor& colour)
{
    if (!m_context || text.isEmpty())
        return;
    SetTextColor(m_context, colourRef(colour));
    ExtTextOutW(m_context, origin.x(), origin.y(), 0, nullptr,
                reinterpret_cast<LPCWSTR>(text.utf16()), UINT(text.size()), nullptr);
}

QByteArray EmfRecorder::finish()
{
    if (!m_context)
        return {};
    DeleteEnhMetaFile(CloseEnhMetaFileWithFILE(m_context));
    m_context = m_pen = m_brush = m_font = 0;
    std::FILE* file = m_file.get();
    if (std::fflush(file) != 0 || std::fseek(file, 0, SEEK_END) != 0)
        return {};
    const long size = std::ftell(file);
    if (size <= 0 || std::fseek(file, 0, SEEK_SET) != 0)
        return {};
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (std::fread(bytes.data(), 1, size_t(size), file) != size_t(size))
        return {};
    return bytes;
}
