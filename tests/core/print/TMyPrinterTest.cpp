#include "core/print/TMyPrinter.h"

#include "support/RecordingCanvas.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvaron {
namespace {

using test::DrawnLine;
using test::DrawnText;
using test::FilledRect;
using test::RecordingPrinter;

constexpr std::int32_t kWidth = 4760;
constexpr std::int32_t kHeight = 6779;

std::string fixedDate() {
    return "01.02.2026";
}

TEST(TMyPrinterCreation, PlacesMarginsAndBandsFromThe8PointFont) {
    RecordingPrinter device(kWidth, kHeight, 600);
    TMyPrinter printer(device, fixedDate);

    EXPECT_EQ(printer.lineHeight, 100); // trunc(MulDiv(8, 600, 72) * 1.5) = trunc(67 * 1.5)
    for (const std::int32_t value : {printer.marginLeft, printer.marginRight, printer.marginTop,
                                     printer.marginBottom, printer.gapAboveTable, printer.gapBelowTable})
        EXPECT_EQ(value, 100);
    EXPECT_EQ(printer.header.rect, (Rect{100, 100, kWidth - 100, 200}));
    EXPECT_EQ(printer.footer.rect, (Rect{100, kHeight - 200, kWidth - 100, kHeight - 100}));
    EXPECT_EQ(printer.rowsPerPage, (kHeight - 200 - 100 - 100 - 100 - 100) / 100);
    EXPECT_EQ(printer.lineSpacing, 1.5f);
    EXPECT_EQ(printer.columnUnit, 1.0f);
    EXPECT_TRUE(printer.rows.empty());

    const Font canvasFont = device.recorded.font();
    EXPECT_EQ(canvasFont, (Font{"Arial", 8, false, false, 96}));
    for (const TPrintAbschnitt* band : {&printer.header, &printer.footer}) {
        EXPECT_EQ(band->font, (Font{"Arial", 8, false, true, 96}));
        EXPECT_TRUE(band->leftAuto && band->centerAuto && band->rightAuto);
    }
    EXPECT_FALSE(device.begun);
}

TEST(TMyPrinterCreation, LineHeightFollowsTheVerticalResolution) {
    const struct {
        std::int32_t dpi, lineHeight;
    } cases[] = {{72, 12}, {300, 49}, {360, 60}, {600, 100}, {1200, 199}};
    for (const auto& c : cases) {
        RecordingPrinter device(kWidth, kHeight, c.dpi);
        const TMyPrinter printer(device, fixedDate);
        EXPECT_EQ(printer.lineHeight, c.lineHeight) << c.dpi << " dpi";
    }
}

TEST(TMyPrinterSetColumnUnit, HoldsTheUnitInSinglePrecision) {
    RecordingPrinter device(kWidth, kHeight, 600);
    TMyPrinter printer(device, fixedDate);
    printer.SetColumnUnit(800);
    EXPECT_EQ(printer.columnUnit, 5.95f);
    EXPECT_LT(static_cast<double>(printer.columnUnit), 5.95);
    printer.SetColumnUnit(0);
    EXPECT_EQ(printer.columnUnit, 5.95f);
    printer.SetColumnUnit(-2);
    EXPECT_EQ(printer.columnUnit, -2380.0f);
}

TEST(TMyPrinterUpdateRowsPerPage, ReservesTwiceTheLeftMarginAndIsZeroWithoutALineHeight) {
    RecordingPrinter device(kWidth, kHeight, 600);
    TMyPrinter printer(device, fixedDate);
    printer.marginLeft = 300;
    printer.marginTop = 1; // not part of the reserve
    printer.marginBottom = 1;
    printer.gapBelowTable = 50;
    printer.UpdateRowsPerPage();
    EXPECT_EQ(printer.rowsPerPage, (kHeight - 600 - 100 - 100 - 100 - 50) / 100);
    printer.lineHeight = 0;
    printer.UpdateRowsPerPage();
    EXPECT_EQ(printer.rowsPerPage, 0);
}

TEST(TMyPrinterSplitFields, SplitsAtEverySeparatorAndPadsToMinCount) {
    const struct {
        std::string text;
        char separator;
        std::int32_t minCount;
        std::vector<std::string> fields;
    } cases[] = {
        {"", '\t', 0, {""}},
        {"a\t\tb", '\t', 0, {"a", "", "b"}},
        {"a\t", '\t', 0, {"a", ""}},
        {"\t", '\t', 0, {"", ""}},
        {"1\t2\tB", '\t', 7, {"1", "2", "B", "", "", "", ""}},
        {"1\t2\tB", '\t', 2, {"1", "2", "B"}},
        {"", '\t', 3, {"", "", ""}},
        {"a b", '\t', -1, {"a b"}},
        {"Zentrum 3: x", ':', 0, {"Zentrum 3", " x"}},
        {"Uni-Klinik - Seed", '-', 0, {"Uni", "Klinik ", " Seed"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TMyPrinter::SplitFields(c.text, c.separator, c.minCount), c.fields) << c.text;
}

// A started job on the example printer: 12-point body font, the list's margin and gap, 30 rows a page.
class TMyPrinterJob : public ::testing::Test {
protected:
    RecordingPrinter device{kWidth, kHeight, 600};
    std::int32_t datesAsked = 0;
    TMyPrinter printer{device, [this] { return "0" + std::to_string(++datesAsked) + ".02.2026"; }};
    // Anchors 594 and 891, table end 1485; the narrow cell left of the margin is "XXXX" = 200 wide.
    TableColumns columns{{"Nr", 50, 0}, {"Name", 100, 1}};

    void SetUp() override {
        printer.SetColumnUnit(800);
        Font body = device.recorded.font();
        body.pointSize = 12;
        device.recorded.setFont(body);
        printer.header.font.pointSize = 10;
        printer.footer.font.pointSize = 10;
        printer.marginLeft = 594;
        printer.gapAboveTable = 700;
        printer.UpdateRowsPerPage();
        ASSERT_TRUE(printer.BeginJob().ok());
    }
    void printTable(std::int32_t rowCount) {
        printer.rows.clear();
        for (std::int32_t i = 1; i <= rowCount; ++i)
            printer.rows.push_back(std::to_string(i) + "\tP" + std::to_string(i));
        printer.PrintTable(columns);
    }
    [[nodiscard]] std::vector<FilledRect> fillsOn(std::int32_t page) const {
        std::vector<FilledRect> result;
        for (const auto& fill : device.recorded.fills) {
            if (fill.page == page)
                result.push_back(fill);
        }
        return result;
    }
    [[nodiscard]] std::vector<DrawnLine> linesOn(std::int32_t page) const {
        std::vector<DrawnLine> result;
        for (const auto& line : device.recorded.lines) {
            if (line.page == page)
                result.push_back(line);
        }
        return result;
    }
    // The grid of the two test columns between gridTop and gridBottom.
    [[nodiscard]] static std::vector<DrawnLine> grid(std::int32_t page, std::int32_t top,
                                                     std::int32_t bottom) {
        return {{page, 594, top, 594, bottom},
                {page, 394, top, 394, bottom},
                {page, 891, top, 891, bottom},
                {page, 1485, top, 1485, bottom},
                {page, 394, top, 1485, top},
                {page, 394, bottom, 1485, bottom},
                {page, 394, top + 150, 1485, top + 150}};
    }
};

TEST_F(TMyPrinterJob, BeginJobBindsCanvasAndBandFontsToThePrinterResolution) {
    EXPECT_EQ(device.recorded.font(), (Font{"Arial", 12, false, false, 600}));
    EXPECT_EQ(printer.header.font, (Font{"Arial", 10, false, true, 600}));
    EXPECT_EQ(printer.footer.font, (Font{"Arial", 10, false, true, 600}));
    EXPECT_EQ(device.recorded.page, 1);
}

TEST(TMyPrinterBeginJob, AFailedStartLeavesTheFontsAlone) {
    RecordingPrinter device(kWidth, kHeight, 600);
    device.beginFailure = "Kein Drucker";
    TMyPrinter printer(device, fixedDate);
    const PrintStatus status = printer.BeginJob();
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), "Kein Drucker");
    EXPECT_EQ(printer.header.font.pixelsPerInch, 96);
    EXPECT_EQ(device.recorded.font().pixelsPerInch, 96);
}

TEST_F(TMyPrinterJob, DrawRowTextPlacesTextByRowAndAlignment) {
    printer.lineHeight = 150;
    printer.rowsPerPage = 30;
    auto& canvas = device.recorded;
    canvas.setFont(printer.header.font); // 41 pixels a character
    const struct {
        std::int32_t row, align, x, y;
    } cases[] = {
        {0, 1, 1000, 900},  {1, 1, 1000, 1050}, {-1, 1, 1000, 750},  {-3, 1, 1000, 450},
        {-4, 1, 1000, 300}, {30, 1, 1000, 900}, {61, 1, 1000, 1050}, {-31, 1, 1000, 750},
        {0, 0, 877, 900},   {0, 2, 939, 900},   {0, 7, 1000, 900},   {0, -1, 1000, 900},
    };
    for (const auto& c : cases) {
        canvas.texts.clear();
        printer.DrawRowText(canvas, "abc", c.row, 1000, c.align);
        ASSERT_EQ(canvas.texts.size(), 1u);
        EXPECT_EQ(canvas.texts[0].x, c.x) << "row " << c.row << " align " << c.align;
        EXPECT_EQ(canvas.texts[0].y, c.y) << "row " << c.row << " align " << c.align;
    }
}

TEST_F(TMyPrinterJob, DrawSectionUsesTheBandFontAndRestoresTheCanvasFont) {
    auto& canvas = device.recorded;
    const Font body = canvas.font();
    printer.header.SetLeftText("L");
    printer.header.SetRightText("Right");
    printer.header.SetCenterText("Mitte");
    printer.DrawSection(canvas, printer.header);
    ASSERT_EQ(canvas.texts.size(), 3u);
    EXPECT_EQ(canvas.texts[0].x, 100);
    EXPECT_EQ(canvas.texts[1].x, 4660 - 5 * 41);
    EXPECT_EQ(canvas.texts[2].x, (100 + 4660 - 5 * 41) / 2);
    for (const DrawnText& text : canvas.texts) {
        EXPECT_EQ(text.y, 100);
        EXPECT_EQ(text.font, printer.header.font);
    }
    EXPECT_EQ(canvas.font(), body);
}

TEST_F(TMyPrinterJob, HeaderDateIsTakenOnceFooterPageNumberOnEveryPage) {
    printer.footer.SetLeftText("Studie X");
    auto& canvas = device.recorded;
    for (int page = 1; page <= 3; ++page) {
        printer.DrawHeader(canvas);
        printer.DrawFooter(canvas);
        EXPECT_NE(canvas.find("01.02.2026", page), nullptr) << page;
        EXPECT_NE(canvas.find(std::to_string(page), page), nullptr) << page;
        EXPECT_NE(canvas.find("Studie X", page), nullptr) << page;
        printer.NewPage();
    }
    EXPECT_EQ(datesAsked, 1);
    EXPECT_FALSE(printer.header.rightAuto);
    EXPECT_TRUE(printer.footer.rightAuto);
    EXPECT_TRUE(printer.footer.centerAuto);
}

TEST_F(TMyPrinterJob, EmptyTablePrintsOnePageWithTheTitleRowBoxed) {
    printer.tableTitle = "Titel";
    printer.tableSubtitle = "Unter";
    printTable(0);

    EXPECT_EQ(printer.lineHeight, 150);
    EXPECT_EQ(printer.rowsPerPage, 30);
    EXPECT_EQ(device.recorded.page, 1);
    const auto& canvas = device.recorded;
    const DrawnText* title = canvas.find("Titel");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 594);
    EXPECT_EQ(title->y, 300);
    EXPECT_EQ(title->font, (Font{"Arial", 14, true, false, 600}));
    const DrawnText* subtitle = canvas.find("Unter");
    ASSERT_NE(subtitle, nullptr);
    EXPECT_EQ(subtitle->y, 450);
    EXPECT_EQ(subtitle->font, (Font{"Arial", 12, false, false, 600}));
    const DrawnText* nr = canvas.find(" Nr ");
    ASSERT_NE(nr, nullptr);
    EXPECT_EQ(nr->x, 594 - 4 * 50); // ends at its anchor
    EXPECT_EQ(nr->y, 750);
    EXPECT_TRUE(nr->font.bold);
    const DrawnText* name = canvas.find(" Name ");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x, 891);
    EXPECT_NE(canvas.find("01.02.2026"), nullptr);
    EXPECT_NE(canvas.find("1"), nullptr);

    EXPECT_EQ(linesOn(1), grid(1, 725, 875));
    EXPECT_TRUE(canvas.fills.empty());
    EXPECT_EQ(canvas.font(), (Font{"Arial", 12, false, false, 600}));
}

TEST_F(TMyPrinterJob, AFullPageFitsOnePageOneRowMoreTakesASecond) {
    printTable(30);
    EXPECT_EQ(device.recorded.page, 1);
    EXPECT_EQ(linesOn(1), grid(1, 725, 29 * 150 + 900 + 150 - 25));

    device.recorded.lines.clear();
    printer.NewPage();
    printTable(31);
    EXPECT_EQ(device.recorded.page, 3);
    EXPECT_EQ(linesOn(2), grid(2, 725, 29 * 150 + 900 + 150 - 25));
    EXPECT_EQ(linesOn(3), grid(3, 725, 900 + 150 - 25));
    const DrawnText* last = device.recorded.find(" 31 ", 3);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->y, 900);
    EXPECT_NE(device.recorded.find("3", 3), nullptr); // the page number runs on across tables
    EXPECT_EQ(device.recorded.visibleTexts(3).size(), 1u + 2u + 2u + 1u); // date, titles, row, number
}

TEST_F(TMyPrinterJob, ShadesOddRowsOfTheWholeTable) {
    printer.gapBelowTable = 250; // 29 rows a page
    printTable(31);
    ASSERT_EQ(printer.rowsPerPage, 29);
    const auto page1 = fillsOn(1);
    ASSERT_EQ(page1.size(), 14u);
    EXPECT_EQ(page1[0], (FilledRect{1, Rect{394, 1025, 1485, 1175}, Brush{kSilver, BrushStyle::Solid}}));
    // Row 29 is odd and opens page 2; row 30 is not shaded.
    EXPECT_EQ(fillsOn(2),
              (std::vector<FilledRect>{{2, Rect{394, 875, 1485, 1025}, Brush{kSilver, BrushStyle::Solid}}}));

    const DrawnText* firstRow = device.recorded.find(" 1 ");
    ASSERT_NE(firstRow, nullptr);
    EXPECT_EQ(firstRow->brush, (Brush{kWhite, BrushStyle::Solid})); // before any shading
    const DrawnText* shaded = device.recorded.find(" 2 ");
    ASSERT_NE(shaded, nullptr);
    EXPECT_EQ(shaded->brush, (Brush{kWhite, BrushStyle::Clear}));
}

TEST_F(TMyPrinterJob, SeparatorAndCenterRowsAreWrittenWholeFromTheMargin) {
    printer.blockSeparatorLine = "------- Block ------";
    printer.centerLinePrefix = "Zentrum";
    printer.rows = {"1\t1", "------- Block ------\tUni", "Zentrum", "2\t2"};
    printer.PrintTable(columns);

    const auto& canvas = device.recorded;
    const DrawnText* separator = canvas.find("------- Block ------");
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(separator->x, 594);
    EXPECT_EQ(separator->y, 1050);
    EXPECT_EQ(canvas.find(" Uni "), nullptr);
    const DrawnText* center = canvas.find("Zentrum");
    ASSERT_NE(center, nullptr);
    EXPECT_EQ(center->x, 594);
    EXPECT_EQ(center->y, 1200);
    std::int32_t textsInSeparatorRow = 0;
    for (const DrawnText& text : canvas.texts)
        textsInSeparatorRow += text.y == 1050 ? 1 : 0;
    EXPECT_EQ(textsInSeparatorRow, 1);
    EXPECT_EQ(fillsOn(1).size(), 2u); // rows 1 and 3
}

TEST_F(TMyPrinterJob, AWideRightAlignedTextRunsOverItsCellBorder) {
    printer.rows = {"1234567\tx"};
    printer.PrintTable(columns);
    const DrawnText* wide = device.recorded.find(" 1234567 ");
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->x, 594 - 9 * 50);
}

TEST_F(TMyPrinterJob, AColumnOfWidthZeroRepeatsThePreviousRule) {
    printer.PrintTable(TableColumns{{"A", 50, 0}, {"B", 0, 0}});
    const auto lines = linesOn(1);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[2].x1, 891);
    EXPECT_EQ(lines[3].x1, 891);
    EXPECT_EQ(lines[4].x2, 891);
}

TEST(TMyPrinterPrintTable, DrawsNothingWhenNoRowFitsAPage) {
    RecordingPrinter device(kWidth, 1000, 600);
    TMyPrinter printer(device, fixedDate);
    printer.gapAboveTable = 700;
    ASSERT_TRUE(printer.BeginJob().ok());
    printer.rows = {"1\ta"};
    printer.PrintTable(TableColumns{{"A", 50, 0}});
    EXPECT_LE(printer.rowsPerPage, 0);
    EXPECT_TRUE(device.recorded.texts.empty());
    EXPECT_TRUE(device.recorded.lines.empty());
    EXPECT_EQ(device.recorded.page, 1);
}

} // namespace
} // namespace kelvaron
