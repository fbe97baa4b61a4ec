#include "gui/print/QtCanvas.h"

#include "gui/QtText.h"

#include <QColor>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace kelvaron::gui {
namespace {

QColor qtColor(const Color& color) {
    return QColor(color.red, color.green, color.blue);
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, const QPaintDevice& device) : painter_(painter), device_(device) {}

QFont QtCanvas::qtFont(const Font& font) {
    QFont result(qtText(font.name));
    // A font too small for one pixel, or one whose height overflowed, is drawn one pixel high.
    result.setPixelSize(std::max(1, font.height()));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setKerning(false);
    return result;
}

void QtCanvas::textOut(std::int32_t x, std::int32_t y, std::string_view text) {
    if (text.empty())
        return;
    const QFont qfont = qtFont(font_);
    painter_.setFont(qfont);
    painter_.setPen(Qt::black);
    // A solid brush paints the text's cell in its colour; a clear one leaves the shading below visible.
    painter_.setBackgroundMode(brush_.style == BrushStyle::Solid ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(qtColor(brush_.color));
    // QPainter places a text on its baseline; the top of its cell lies one ascent above.
    const int ascent = QFontMetrics(qfont, &device_).ascent();
    painter_.drawText(QPointF(x, static_cast<double>(y) + ascent), qtText(text));
}

void QtCanvas::textRect(const Rect& clip, std::int32_t x, std::int32_t y, std::string_view text) {
    painter_.save();
    painter_.setClipRect(QRect(QPoint(clip.left, clip.top), QPoint(clip.right - 1, clip.bottom - 1)));
    textOut(x, y, text);
    painter_.restore();
}

std::int32_t QtCanvas::textWidth(std::string_view text) const {
    return QFontMetrics(qtFont(font_), &device_).horizontalAdvance(qtText(text));
}

void QtCanvas::moveTo(std::int32_t x, std::int32_t y) {
    penX_ = x;
    penY_ = y;
}

void QtCanvas::lineTo(std::int32_t x, std::int32_t y) {
    // A cosmetic pen is one device pixel wide on a printer and the thinnest visible line in a PDF.
    painter_.setPen(QPen(Qt::black, 0));
    painter_.drawLine(penX_, penY_, x, y);
    moveTo(x, y);
}

void QtCanvas::fillRect(const Rect& rect) {
    if (brush_.style != BrushStyle::Solid || rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    const QRectF area(rect.left, rect.top, static_cast<double>(rect.right) - rect.left,
                      static_cast<double>(rect.bottom) - rect.top);
    painter_.fillRect(area, qtColor(brush_.color));
}

} // namespace kelvaron::gui
