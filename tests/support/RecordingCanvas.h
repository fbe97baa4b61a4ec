// A canvas and a printer for tests: every call is recorded with the page it fell on, and texts have
// fixed metrics (each byte half the font's pixel height wide), so layout numbers can be checked exactly.
#pragma once

#include "core/platform/Canvas.h"
#include "core/platform/PrinterDevice.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaron::test {

struct DrawnText {
    std::int32_t page;
    std::int32_t x;
    std::int32_t y;
    std::string text;
    Font font;
    Brush brush;
    std::optional<Rect> clip; // set for a text drawn with textRect
};

struct DrawnLine {
    std::int32_t page;
    std::int32_t x1;
    std::int32_t y1;
    std::int32_t x2;
    std::int32_t y2;
    bool operator==(const DrawnLine&) const = default;
};

struct FilledRect {
    std::int32_t page;
    Rect rect;
    Brush brush;
    bool operator==(const FilledRect&) const = default;
};

class RecordingCanvas : public Canvas {
public:
    std::int32_t page = 0; // set by the printer; 0 before the job starts
    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;
    std::vector<FilledRect> fills;

    [[nodiscard]] static std::int32_t charWidth(const Font& font) { return font.height() / 2; }

    Font font() const override { return font_; }
    void setFont(const Font& font) override { font_ = font; }
    void setBrush(const Brush& brush) override { brush_ = brush; }
    void textOut(std::int32_t x, std::int32_t y, std::string_view text) override {
        texts.push_back({page, x, y, std::string(text), font_, brush_, std::nullopt});
    }
    void textRect(const Rect& clip, std::int32_t x, std::int32_t y, std::string_view text) override {
        texts.push_back({page, x, y, std::string(text), font_, brush_, clip});
    }
    std::int32_t textWidth(std::string_view text) const override {
        return static_cast<std::int32_t>(text.size()) * charWidth(font_);
    }
    void moveTo(std::int32_t x, std::int32_t y) override {
        penX_ = x;
        penY_ = y;
    }
    void lineTo(std::int32_t x, std::int32_t y) override {
        lines.push_back({page, penX_, penY_, x, y});
        moveTo(x, y);
    }
    void fillRect(const Rect& rect) override { fills.push_back({page, rect, brush_}); }

    // The non-empty texts drawn, optionally only those of one page.
    [[nodiscard]] std::vector<DrawnText> visibleTexts(std::optional<std::int32_t> onPage = {}) const {
        std::vector<DrawnText> result;
        for (const DrawnText& drawn : texts) {
            if (!drawn.text.empty() && (!onPage || drawn.page == *onPage))
                result.push_back(drawn);
        }
        return result;
    }
    // The first text drawn that equals `text`, or nullptr.
    [[nodiscard]] const DrawnText* find(std::string_view text,
                                        std::optional<std::int32_t> onPage = {}) const {
        for (const DrawnText& drawn : texts) {
            if (drawn.text == text && (!onPage || drawn.page == *onPage))
                return &drawn;
        }
        return nullptr;
    }

private:
    Font font_;
    Brush brush_;
    std::int32_t penX_ = 0;
    std::int32_t penY_ = 0;
};

class RecordingPrinter : public PrinterDevice {
public:
    RecordingPrinter(std::int32_t width, std::int32_t height, std::int32_t dpi)
        : width_(width), height_(height), dpi_(dpi) {}

    RecordingCanvas recorded;
    std::string title;
    bool begun = false;
    bool ended = false;
    std::optional<std::string> beginFailure; // beginDoc fails with this message
    std::optional<std::string> endFailure;   // endDoc fails with this message

    std::int32_t pageWidth() const override { return width_; }
    std::int32_t pageHeight() const override { return height_; }
    std::int32_t dpiY() const override { return dpi_; }
    void setTitle(std::string_view text) override { title = text; }
    PrintStatus beginDoc() override {
        if (beginFailure)
            return PrintStatus::failure(*beginFailure);
        begun = true;
        recorded.page = 1;
        return PrintStatus::success();
    }
    void newPage() override { ++recorded.page; }
    PrintStatus endDoc() override {
        ended = true;
        return endFailure ? PrintStatus::failure(*endFailure) : PrintStatus::success();
    }
    std::int32_t pageNumber() const override { return recorded.page; }
    Canvas& canvas() override { return recorded; }

private:
    std::int32_t width_;
    std::int32_t height_;
    std::int32_t dpi_;
};

} // namespace kelvaron::test
