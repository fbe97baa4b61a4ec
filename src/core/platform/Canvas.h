// The drawing surface of the printed list: texts, lines and filled rectangles in device pixels, with
// (0, 0) at the top-left corner of the printable area. A QPainter back-end and the command line's PDF
// writer implement it; tests record the calls.
#pragma once

#include "core/platform/MulDiv.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvaron {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Color&) const = default;
};

inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kSilver{192, 192, 192};

enum class BrushStyle { Solid, Clear };

// The brush fills rectangles; a solid brush also paints the background of every text drawn with it,
// a clear one leaves what lies below the text visible.
struct Brush {
    Color color = kWhite;
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const Brush&) const = default;
};

// A font as the page model sees it. The default is a new font: Arial, 8 points, regular, 96 pixels per
// inch. The name is Windows-1252.
struct Font {
    std::string name = "Arial";
    std::int32_t pointSize = 8;
    bool bold = false;
    bool italic = false;
    std::int32_t pixelsPerInch = 96;

    // Character height in pixels of a device with `pixelsPerInch`: MulDiv(pointSize, pixelsPerInch, 72).
    [[nodiscard]] constexpr std::int32_t height() const { return mulDiv(pointSize, pixelsPerInch, 72); }
    bool operator==(const Font&) const = default;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const Rect&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    [[nodiscard]] virtual Font font() const = 0;
    // Texts drawn and measured from now on use `font`, `font.height()` pixels high.
    virtual void setFont(const Font& font) = 0;
    virtual void setBrush(const Brush& brush) = 0;

    // Draws Windows-1252 `text` in the current font with its top-left corner at (x, y), neither clipped
    // nor wrapped, over the current brush (see Brush). An empty text draws nothing.
    virtual void textOut(std::int32_t x, std::int32_t y, std::string_view text) = 0;
    // Draws `text` as textOut does, but only the part of it that falls inside `clip`.
    virtual void textRect(const Rect& clip, std::int32_t x, std::int32_t y, std::string_view text) = 0;
    // Width in pixels of `text` drawn in the current font.
    [[nodiscard]] virtual std::int32_t textWidth(std::string_view text) const = 0;

    // A thin black line from the current position to (x, y), which becomes the current position.
    virtual void moveTo(std::int32_t x, std::int32_t y) = 0;
    virtual void lineTo(std::int32_t x, std::int32_t y) = 0;

    // Fills the pixels from (left, top) up to, not including, (right, bottom) with the current brush.
    virtual void fillRect(const Rect& rect) = 0;
};

} // namespace kelvaron
