#include "app/framework/Printing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "drawing/FontEngine.h"

namespace {

QColor Color(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// A face such as "Arial Cyr" names a character set after the design; the design is "Arial".
QString FaceFamily(const char* face) {
    std::string_view name(face, strnlen(face, LF_FACESIZE));
    for (std::string_view suffix : {" Cyr", " CE", " Greek", " Tur", " Baltic"}) {
        if (name.size() > suffix.size() && name.ends_with(suffix)) {
            name.remove_suffix(suffix.size());
            break;
        }
    }
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

CPrinterDC::CPrinterDC(QPainter& painter) : m_painter(painter) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

QFont CPrinterDC::QtFont(const LOGFONT& lf, QPainter& painter) {
    QFont font(FaceFamily(lf.lfFaceName));
    font.setWeight(lf.lfWeight >= FW_BOLD ? QFont::Bold : QFont::Normal);
    font.setItalic(lf.lfItalic != 0);
    const int cell = std::max<LONG>(1, lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight);
    // A positive height is the character cell: choose the em size whose line height is that.
    font.setPixelSize(cell);
    const qreal height = QFontMetricsF(font, painter.device()).height();
    if (lf.lfHeight > 0 && height > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(cell * cell / height + 0.5)));
    }
    return font;
}

BOOL CPrinterDC::LineTo(int x, int y) {
    const POINT from = Position();
    const int width = PenWidth() <= 1 ? 1 : PenWidth();
    QPen pen(Color(PenColor()), width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap,
             width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    m_painter.setPen(pen);
    // Dot centres; with a flat cap the line stops short of its end point as the screen does.
    m_painter.drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(x + 0.5, y + 0.5));
    SetPosition(x, y);
    return TRUE;
}

BOOL CPrinterDC::Rectangle(int x1, int y1, int x2, int y2) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (right - left < 1 || bottom - top < 1)
        return TRUE;
    m_painter.fillRect(QRect(left, top, right - left, bottom - top), Color(BrushColor()));
    // The outline lies inside the rectangle.
    const int w = std::max(1, PenWidth());
    QPen pen(Color(PenColor()), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    const qreal inset = w / 2.0;
    m_painter.drawRect(
        QRectF(left + inset, top + inset, right - left - 2 * inset, bottom - top - 2 * inset));
    return TRUE;
}

void CPrinterDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    if (cx <= 0 || cy <= 0)
        return;
    m_painter.fillRect(QRect(x, y, cx, cy), Color(clr));
}

BOOL CPrinterDC::GetTextExtentPoint32(LPCSTR lpszString, int nCount, LPSIZE lpSize) {
    const CSize size = FontEngine::Instance().Measure(
        Font(), std::string_view(lpszString, static_cast<std::size_t>(std::max(0, nCount))));
    lpSize->cx = size.cx;
    lpSize->cy = size.cy;
    return TRUE;
}

BOOL CPrinterDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) {
    SIZE box{};
    GetTextExtentPoint32(lpszString, nCount, &box);
    const int left = TextCentered() ? x - box.cx / 2 : x;
    // The text box is filled with the opaque white text background.
    m_painter.fillRect(QRect(left, y, box.cx, box.cy), Qt::white);
    const QFont font = QtFont(Font(), m_painter);
    m_painter.setFont(font);
    m_painter.setPen(Color(TextColor()));
    const QString text = QString::fromUtf8(lpszString, std::max(0, nCount));
    const qreal ascent = QFontMetricsF(font, m_painter.device()).ascent();
    m_painter.drawText(QPointF(left, y + ascent), text);
    return TRUE;
}
