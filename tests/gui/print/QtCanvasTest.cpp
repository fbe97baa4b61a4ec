#include "gui/print/QtCanvas.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>

namespace kelvaron {
namespace {

using gui::QtCanvas;

// 600 dots per inch in dots per metre, as QImage holds its resolution.
constexpr int kDotsPerMetre600 = 23622;

Font arial(std::int32_t pointSize, std::int32_t pixelsPerInch) {
    Font font;
    font.pointSize = pointSize;
    font.pixelsPerInch = pixelsPerInch;
    return font;
}

// A canvas on a white 600-dpi image; finish() ends the drawing so that the pixels can be read.
class QtCanvasOnImage : public ::testing::Test {
protected:
    QImage image{1600, 600, QImage::Format_RGB32};
    QPainter painter;
    std::optional<QtCanvas> canvas;

    void SetUp() override {
        image.fill(Qt::white);
        image.setDotsPerMeterX(kDotsPerMetre600);
        image.setDotsPerMeterY(kDotsPerMetre600);
        ASSERT_TRUE(painter.begin(&image));
        canvas.emplace(painter, image);
        canvas->setFont(arial(12, 600));
    }
    void finish() { painter.end(); }

    // The smallest rectangle holding every pixel of `colour`, within `area`.
    [[nodiscard]] QRect pixelsOf(QRgb colour, const QRect& area) const {
        QRect found;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixel(x, y) == colour)
                    found |= QRect(x, y, 1, 1);
            }
        }
        return found;
    }
    // The smallest rectangle holding the ink of text within `area`: every pixel darker than mid-grey.
    [[nodiscard]] QRect ink(const QRect& area) const {
        QRect found;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (qGray(image.pixel(x, y)) < 128)
                    found |= QRect(x, y, 1, 1);
            }
        }
        return found;
    }
};

TEST_F(QtCanvasOnImage, TextWidthsAreArialsAdvancesAtTheFontsResolution) {
    // Arial's advances of " Studienarm " add up to 11611 units of 2048 per em; 12 points at 600 pixels
    // per inch are an em of MulDiv(12, 600, 72) = 100 pixels. Liberation Sans has the same advances.
    EXPECT_NEAR(canvas->textWidth(" Studienarm "), 567, 1);
    EXPECT_EQ(canvas->textWidth(""), 0);
    EXPECT_LT(canvas->textWidth("1"), canvas->textWidth("12"));
    EXPECT_LT(canvas->textWidth("12"), canvas->textWidth("123"));

    // The same font at half the resolution is half as wide; bold is wider.
    const std::int32_t atFullResolution = canvas->textWidth(" Studienarm ");
    canvas->setFont(arial(12, 300));
    EXPECT_NEAR(canvas->textWidth(" Studienarm "), atFullResolution / 2, 2);
    Font bold = arial(12, 600);
    bold.bold = true;
    canvas->setFont(bold);
    EXPECT_GT(canvas->textWidth(" Studienarm "), atFullResolution);
}

TEST_F(QtCanvasOnImage, TextHangsFromItsTopLeftCornerAtTheFontsHeight) {
    // An em of 100 pixels: capitals are about 0.7 em high, the baseline lies 0.905 em (Arial's ascent)
    // below the top of the text cell, and an H starts 0.077 em right of the point.
    canvas->textOut(200, 100, "H");
    canvas->setFont(arial(12, 300));
    canvas->textOut(800, 100, "H");
    finish();

    const QRect large = ink(QRect(0, 0, 700, 600));
    EXPECT_NEAR(large.height(), 70, 3);
    EXPECT_NEAR(large.bottom() + 1, 100 + 91, 1);
    EXPECT_NEAR(large.left(), 200 + 8, 2);

    const QRect small = ink(QRect(700, 0, 900, 600));
    EXPECT_NEAR(small.height(), 35, 2);
    EXPECT_NEAR(small.bottom() + 1, 100 + 45, 1);
}

TEST_F(QtCanvasOnImage, ASolidBrushPaintsTheTextsBackgroundAndAClearOneLeavesTheShading) {
    const QRgb silver = qRgb(192, 192, 192);
    const QRgb white = qRgb(255, 255, 255);
    canvas->setBrush(Brush{kSilver, BrushStyle::Solid});
    canvas->fillRect(Rect{0, 0, 1600, 600});
    canvas->setBrush(Brush{kWhite, BrushStyle::Solid});
    canvas->textOut(100, 100, "Uni");
    canvas->setBrush(Brush{kWhite, BrushStyle::Clear});
    canvas->textOut(900, 100, "Uni");
    finish();

    // The solid brush's white fills the text cell: its width, and ascent plus descent high.
    const QRect painted = pixelsOf(white, QRect(0, 0, 800, 600));
    ASSERT_FALSE(painted.isNull());
    EXPECT_NEAR(painted.left(), 100, 1);
    EXPECT_NEAR(painted.top(), 100, 1);
    EXPECT_NEAR(painted.height(), 112, 2);
    EXPECT_TRUE(pixelsOf(white, QRect(800, 0, 800, 600)).isNull());
    EXPECT_EQ(image.pixel(1000, 50), silver);
}

TEST_F(QtCanvasOnImage, AClippedTextShowsOnlyWhatLiesInsideItsRectangle) {
    canvas->textRect(Rect{100, 100, 400, 250}, 100, 100, " Praxis am Marktplatz ");
    canvas->textOut(100, 300, " Praxis am Marktplatz ");
    finish();

    const QRect clipped = ink(QRect(0, 0, 1600, 290));
    ASSERT_FALSE(clipped.isNull());
    EXPECT_LE(clipped.right(), 399);
    EXPECT_GT(clipped.right(), 350);
    EXPECT_GT(ink(QRect(0, 290, 1600, 310)).right(), 800);
}

TEST_F(QtCanvasOnImage, FillsUpToTheRightAndBottomEdgesOnlyWithASolidBrush) {
    const QRgb silver = qRgb(192, 192, 192);
    canvas->setBrush(Brush{kSilver, BrushStyle::Solid});
    canvas->fillRect(Rect{10, 20, 110, 70});
    canvas->setBrush(Brush{kSilver, BrushStyle::Clear});
    canvas->fillRect(Rect{300, 20, 400, 70});
    finish();

    EXPECT_EQ(pixelsOf(silver, QRect(0, 0, 1600, 600)), QRect(QPoint(10, 20), QPoint(109, 69)));
}

TEST_F(QtCanvasOnImage, RulesAreOneDevicePixelWide) {
    canvas->moveTo(100, 50);
    canvas->lineTo(600, 50);
    canvas->lineTo(600, 300);
    finish();

    const QRgb black = qRgb(0, 0, 0);
    EXPECT_EQ(pixelsOf(black, QRect(0, 0, 590, 600)), QRect(QPoint(100, 50), QPoint(589, 50)));
    EXPECT_EQ(pixelsOf(black, QRect(595, 60, 10, 200)), QRect(QPoint(600, 60), QPoint(600, 259)));
}

} // namespace
} // namespace kelvaron
