// The page model's canvas on a QPainter: texts, rules and shading in the device pixels of the painter's
// device, with fonts sized for the resolution each font carries.
#pragma once

#include "core/platform/Canvas.h"

#include <QFont>

class QPainter;
class QPaintDevice;

namespace kelvaron::gui {

class QtCanvas final : public Canvas {
public:
    // Draws with `painter` on `device`, whose metrics measure the texts. The painter may begin on the
    // device after the canvas was made; font and brush are applied at every drawing call, so they
    // survive QPainter::begin. Both must outlive the canvas.
    QtCanvas(QPainter& painter, const QPaintDevice& device);

    [[nodiscard]] Font font() const override { return font_; }
    void setFont(const Font& font) override { font_ = font; }
    void setBrush(const Brush& brush) override { brush_ = brush; }

    void textOut(std::int32_t x, std::int32_t y, std::string_view text) override;
    void textRect(const Rect& clip, std::int32_t x, std::int32_t y, std::string_view text) override;
    [[nodiscard]] std::int32_t textWidth(std::string_view text) const override;

    void moveTo(std::int32_t x, std::int32_t y) override;
    void lineTo(std::int32_t x, std::int32_t y) override;

    void fillRect(const Rect& rect) override;

    // The Qt font for `font`: its name (on Debian, fontconfig gives Liberation Sans for "Arial"), an em
    // height of font.height() pixels, bold and italic, no kerning, so that widths add up like the
    // platform printer's.
    [[nodiscard]] static QFont qtFont(const Font& font);

private:
    QPainter& painter_;
    const QPaintDevice& device_;
    Font font_;
    Brush brush_;
    std::int32_t penX_ = 0;
    std::int32_t penY_ = 0;
};

} // namespace kelvaron::gui
