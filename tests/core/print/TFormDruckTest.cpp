#include "core/print/TFormDruck.h"

#include "support/RecordingCanvas.h"
#include "support/ScratchFolder.h"
#include "support/TestText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvaron {
namespace {

using test::ansi;
using test::DrawnText;
using test::RecordingPrinter;

const std::string kSeparator = "------- Block ------";

PrintSource source(std::string listText) {
    return PrintSource{std::move(listText), "Zentrum", kSeparator, "Kelvaron - Studie.kvd"};
}

// `count` patient lines of one list, a separator after every second.
std::string patientLines(std::int32_t count) {
    std::string text;
    for (std::int32_t i = 1; i <= count; ++i) {
        text += std::to_string(i) + "\t1\tA\n";
        if (i % 2 == 0)
            text += kSeparator + "\n";
    }
    return text;
}

// The x where a text drawn right-aligned ends, with the recording canvas's metrics.
std::int32_t endOf(const DrawnText& text) {
    return text.x + static_cast<std::int32_t>(text.text.size()) * test::RecordingCanvas::charWidth(text.font);
}

class TFormDruckPrint : public ::testing::Test {
protected:
    RecordingPrinter device{4760, 6779, 600};
    TMyPrinter printer{device, [] { return std::string("11.12.2026"); }};
    TFormDruck form;

    void print(const PrintSource& printed) {
        const PrintStatus status = form.LayoutList(printer, printed);
        ASSERT_TRUE(status.ok());
    }
    [[nodiscard]] const test::RecordingCanvas& canvas() const { return device.recorded; }
    // Whether `text` was drawn with its top at y on `page`.
    [[nodiscard]] bool drawnAt(std::string_view text, std::int32_t page, std::int32_t y) const {
        for (const DrawnText& drawn : canvas().texts) {
            if (drawn.text == text && drawn.page == page && drawn.y == y)
                return true;
        }
        return false;
    }
};

TEST_F(TFormDruckPrint, PortraitExampleAt600Dpi) {
    print(source("Studie X\nSeed: (17)\n1\t2\tB\n2\t1\tA\n" + kSeparator + "\n"));

    EXPECT_EQ(printer.marginLeft, 594);
    EXPECT_EQ(printer.gapAboveTable, 700);
    EXPECT_EQ(printer.lineHeight, 150);
    EXPECT_EQ(printer.rowsPerPage, 30);
    EXPECT_EQ(device.title, "Kelvaron - Studie.kvd");
    EXPECT_TRUE(device.ended);
    EXPECT_EQ(device.recorded.page, 1);

    const DrawnText* title = canvas().find("Studie X", 1);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->y, 300);
    EXPECT_EQ(title->x, 594);
    std::int32_t subtitleTop = 0;
    for (const DrawnText& text : canvas().texts) {
        if (text.x == 594 && text.text.empty() && !text.font.bold && !text.font.italic)
            subtitleTop = text.y;
    }
    EXPECT_EQ(subtitleTop, 450);

    const DrawnText* id = canvas().find(" ID ");
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id->y, 750);
    EXPECT_EQ(endOf(*id), 594);
    const DrawnText* arm = canvas().find(" Arm ");
    ASSERT_NE(arm, nullptr);
    EXPECT_EQ(endOf(*arm), 891);
    const struct {
        const char* title;
        std::int32_t anchor;
    } startingColumns[] = {{" Studienarm ", 891},
                           {" Zentrum ", 1634},
                           {" Patient ", 2377},
                           {" Geb.-Dat. ", 3269},
                           {" Datum ", 3863}};
    for (const auto& column : startingColumns) {
        const DrawnText* text = canvas().find(column.title);
        ASSERT_NE(text, nullptr) << column.title;
        EXPECT_EQ(text->x, column.anchor) << column.title;
        EXPECT_EQ(text->y, 750) << column.title;
    }

    // The seed line is row 0, in the ID column; patient 1 is row 1 and shaded.
    const DrawnText* seed = canvas().find(" Seed: (17) ");
    ASSERT_NE(seed, nullptr);
    EXPECT_EQ(seed->y, 900);
    EXPECT_EQ(endOf(*seed), 594);
    const DrawnText* patient = canvas().find(" 1 ");
    ASSERT_NE(patient, nullptr);
    EXPECT_EQ(patient->y, 1050);
    EXPECT_EQ(canvas().find(" B ")->x, 891);
    ASSERT_FALSE(canvas().fills.empty());
    EXPECT_EQ(canvas().fills[0].rect, (Rect{394, 1025, 4457, 1175}));

    ASSERT_FALSE(canvas().lines.empty());
    EXPECT_EQ(canvas().lines.front().y1, 725);
    const std::vector<std::int32_t> ruleXs = {594, 394, 891, 891, 1634, 2377, 3269, 3863, 4457};
    std::vector<std::int32_t> verticals;
    for (const auto& line : canvas().lines) {
        if (line.x1 == line.x2)
            verticals.push_back(line.x1);
        else
            EXPECT_EQ(line.x2, 4457);
    }
    EXPECT_EQ(verticals, ruleXs);
    // Four rows: seed, two patients, separator; the grid ends below the last.
    EXPECT_EQ(canvas().lines.front().y2, 3 * 150 + 900 + 150 - 25);

    const DrawnText* separator = canvas().find(kSeparator);
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(separator->x, 594);
    EXPECT_EQ(separator->y, 1350);
}

TEST(TFormDruckLandscape, WiderPageGivesAWiderMarginAndFewerRows) {
    RecordingPrinter device(6779, 4760, 600);
    TMyPrinter printer(device, [] { return std::string("11.12.2026"); });
    TFormDruck form;
    ASSERT_TRUE(form.LayoutList(printer, source("Studie\n")).ok());
    EXPECT_EQ(printer.marginLeft, 847);
    EXPECT_EQ(printer.rowsPerPage, 13);
}

TEST_F(TFormDruckPrint, PageTextsOfASingleList) {
    print(source("Studie X\nSeed: (17)\n1\t2\tB\n"));
    EXPECT_EQ(printer.footer.leftText, "Studie X");
    const DrawnText* date = canvas().find("11.12.2026");
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->y, 100);
    EXPECT_EQ(date->font, (Font{"Arial", 10, false, true, 600}));
    EXPECT_TRUE(drawnAt("Studie X", 1, 6779 - 200));
    const DrawnText* number = canvas().find("1");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->y, 6779 - 200);
    EXPECT_EQ(number->x, 4660 - 41);
    EXPECT_EQ(printer.footer.centerText, "");
}

TEST_F(TFormDruckPrint, EmptyListPrintsOnePageWithColumnTitlesOnly) {
    print(source(""));
    EXPECT_EQ(device.recorded.page, 1);
    EXPECT_TRUE(device.ended);
    std::vector<std::string> visible;
    for (const DrawnText& text : canvas().visibleTexts())
        visible.push_back(text.text);
    EXPECT_EQ(visible, (std::vector<std::string>{"11.12.2026", " ID ", " Arm ", " Studienarm ", " Zentrum ",
                                                 " Patient ", " Geb.-Dat. ", " Datum ", "1"}));
    EXPECT_TRUE(canvas().fills.empty());
    EXPECT_EQ(canvas().lines.front().y2, 725 + 150);
}

TEST_F(TFormDruckPrint, SingleListWithoutSeedStartsWithAnEmptyRow) {
    print(source("Studie\n\n1\t1\tA\n"));
    const DrawnText* first = canvas().find(" 1 ");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->y, 1050);
    std::int32_t emptyCells = 0;
    for (const DrawnText& text : canvas().texts)
        emptyCells += text.y == 900 && text.text == "  " ? 1 : 0;
    EXPECT_EQ(emptyCells, 7);
}

TEST_F(TFormDruckPrint, EachCenterGetsItsOwnPagesWithItsNameAndFooter) {
    print(source(ansi("Studie Z\n"
                      "Zentrum 1\tUni-Klinik Nord - Seed: (111)\n1\t1\tA\n2\t2\tB\n------- Block ------\n"
                      "Zentrum 2\tKlinik Süd - Seed: (222)\n1\t2\tB\n")));
    EXPECT_EQ(device.recorded.page, 2);

    const DrawnText* subtitle1 = canvas().find("Zentrum 1        Uni-Klinik Nord - Seed: (111)", 1);
    ASSERT_NE(subtitle1, nullptr);
    EXPECT_EQ(subtitle1->y, 450);
    EXPECT_TRUE(drawnAt("Zentrum 1: Uni", 1, 6779 - 200));
    EXPECT_TRUE(drawnAt("Studie Z", 1, 6779 - 200));
    const DrawnText* centerCell = canvas().find(" Uni ", 1);
    ASSERT_NE(centerCell, nullptr);
    EXPECT_EQ(centerCell->x, 1634);
    EXPECT_EQ(centerCell->y, 900);
    const DrawnText* separator = canvas().find(kSeparator, 1);
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(separator->y, 1200);

    EXPECT_NE(canvas().find(ansi("Zentrum 2: Klinik Süd"), 2), nullptr);
    EXPECT_NE(canvas().find(ansi(" Klinik Süd "), 2), nullptr);
    EXPECT_NE(canvas().find("2", 2), nullptr);
    const DrawnText* firstOfPage2 = canvas().find(" 1 ", 2);
    ASSERT_NE(firstOfPage2, nullptr);
    EXPECT_EQ(firstOfPage2->y, 900);
    EXPECT_EQ(canvas().find(" Uni ", 2), nullptr);
}

// The multicenter example's third center: its name is wider than the "Zentrum" column and is cut at the
// column's end, before the "Patient" column left empty for handwriting. The right-aligned cells and the
// seed line are drawn whole.
TEST_F(TFormDruckPrint, ACellsTextIsCutAtItsColumnsEnd) {
    print(source(test::readBytes("../../data/multicenter/expected.txt")));
    ASSERT_EQ(device.recorded.page, 3);
    const DrawnText* name = canvas().find(" Praxis am Marktplatz ", 3);
    ASSERT_NE(name, nullptr);
    ASSERT_TRUE(name->clip.has_value());
    EXPECT_EQ(*name->clip, (Rect{1634, 900, 2377, 1050}));
    EXPECT_GT(endOf(*name), 2377);
    const DrawnText* patientTitle = canvas().find(" Patient ", 3);
    ASSERT_NE(patientTitle, nullptr);
    EXPECT_EQ(patientTitle->x, 2377);
    EXPECT_EQ(patientTitle->clip, (Rect{2377, 750, 3269, 900}));
    const DrawnText* arm = canvas().find(" Placebo ", 3);
    ASSERT_NE(arm, nullptr);
    EXPECT_EQ(arm->clip, (Rect{891, arm->y, 1634, arm->y + 150}));
}

TEST_F(TFormDruckPrint, RightAlignedCellsAndTheSeedLineAreDrawnWhole) {
    print(source("Studie X\nSeed: (2147483647)\n1\t2\tB\n"));
    for (const char* whole : {" Seed: (2147483647) ", " 1 ", " 2 "}) {
        const DrawnText* text = canvas().find(whole);
        ASSERT_NE(text, nullptr) << whole;
        EXPECT_FALSE(text->clip.has_value()) << whole;
    }
}

TEST_F(TFormDruckPrint, ACenterWithOneRowKeepsItsOwnPage) {
    print(source("Studie\nZentrum 1\tNord\n1\t1\tA\nZentrum 2\tSued\n1\t2\tB\n2\t1\tA\n"));
    EXPECT_EQ(device.recorded.page, 2);
    EXPECT_NE(canvas().find(" Nord ", 1), nullptr);
    EXPECT_NE(canvas().find("Zentrum 1: Nord", 1), nullptr);
    EXPECT_EQ(canvas().find(" Nord ", 2), nullptr);
    const DrawnText* page2Row0 = canvas().find(" Sued ", 2);
    ASSERT_NE(page2Row0, nullptr);
    EXPECT_EQ(page2Row0->y, 900);
}

TEST_F(TFormDruckPrint, ACenterWithoutRowsLeavesNoTraceUnlessItIsTheLast) {
    print(source("Studie\nZentrum 1\tNord\nZentrum 2\tSued\n1\t2\tB\nZentrum 3\tWest\n"));
    EXPECT_EQ(device.recorded.page, 2);
    EXPECT_EQ(canvas().find("Zentrum 1: Nord"), nullptr);
    EXPECT_NE(canvas().find("Zentrum 2: Sued", 1), nullptr);
    EXPECT_NE(canvas().find("Zentrum 3        West", 2), nullptr);
    EXPECT_NE(canvas().find("Zentrum 3: West", 2), nullptr);
    EXPECT_EQ(canvas().find(" West ", 2), nullptr);
}

TEST_F(TFormDruckPrint, TwoFullCentersPrintAsTwoPagesNumberedOneAndTwo) {
    std::string list = "Studie\n";
    for (const char* center : {"Zentrum 1\tNord\n", "Zentrum 2\tSued\n"}) {
        list += center;
        list += patientLines(20); // 20 patients and 10 separators: 30 rows
    }
    print(source(list));
    EXPECT_EQ(printer.rowsPerPage, 30);
    EXPECT_EQ(device.recorded.page, 2);
    EXPECT_NE(canvas().find("1", 1), nullptr);
    EXPECT_NE(canvas().find("2", 2), nullptr);
    EXPECT_NE(canvas().find("Zentrum 2: Sued", 2), nullptr);
}

TEST_F(TFormDruckPrint, AnEmptyCenterPrefixMakesEveryLineAHeading) {
    PrintSource printed = source("Studie\n1\t1\tA\n2\t2\tB\n");
    printed.centerLinePrefix.clear();
    print(printed);
    EXPECT_EQ(device.recorded.page, 1);
    EXPECT_EQ(canvas().find(" 1 "), nullptr);
    EXPECT_TRUE(canvas().fills.empty());
}

TEST_F(TFormDruckPrint, LayoutStartsFromEmptyCenterTexts) {
    form.centerName = "Alt";
    form.centerLabel = "Zentrum 9";
    print(source("Studie\n1\t1\tA\n"));
    EXPECT_TRUE(form.centerName.empty());
    EXPECT_EQ(canvas().find(" Alt "), nullptr);
    EXPECT_EQ(form.memoLines, (std::vector<std::string>{"1\t1\tA"}));
}

TEST(TFormDruckParseCenterLine, SplitsLabelNameAndHeading) {
    const std::string eight(8, ' ');
    const struct {
        std::string line, heading, label, name;
    } cases[] = {
        {"Zentrum 3\tUni-Klinik Nord - Seed: (42)", "Zentrum 3        Uni-Klinik Nord - Seed: (42)",
         "Zentrum 3", "Uni"},
        {"Zentrum 3\tKlinik Nord - Seed: (42)", "Zentrum 3        Klinik Nord - Seed: (42)", "Zentrum 3",
         "Klinik Nord"},
        {"Zentrum 3\tKlinik Nord", "Zentrum 3        Klinik Nord", "Zentrum 3", "Klinik Nord"},
        {"Zentrum 3\t", "Zentrum 3        ", "Zentrum 3", ""},
        {"Zentrum 3", "Zentrum 3        ", "Zentrum 3", ""},
        {"Zentrum: 7 \t\x01 Name \tmehr", "Zentrum: 7 " + eight + "\x01 Name ", "Zentrum", "Name"},
        {ansi("  Zentrum 12  \t  Süd\t"), ansi("  Zentrum 12  " + eight + "  Süd"), "Zentrum 12",
         ansi("Süd")},
        {"", "        ", "", ""},
    };
    for (const auto& c : cases) {
        TFormDruck form;
        form.ParseCenterLine(c.line);
        EXPECT_EQ(form.centerHeading, c.heading) << c.line;
        EXPECT_EQ(form.centerLabel, c.label) << c.line;
        EXPECT_EQ(form.centerName, c.name) << c.line;
    }
}

TEST(TFormDruckCopyListLines, SplitsAtLineFeedsWithoutAFinalEmptyLine) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\n\n", {"a", ""}},
        {"\n", {""}},
        {"a\nb", {"a", "b"}},
        {"\t\n\nb\n", {"\t", "", "b"}},
    };
    for (const auto& c : cases) {
        TFormDruck form;
        form.memoLines = {"alt"};
        form.CopyListLines(c.text);
        EXPECT_EQ(form.memoLines, c.lines) << c.text;
    }
}

TEST(PrintList, ReportsAJobThatCannotStartOrEnd) {
    RecordingPrinter refusing(4760, 6779, 600);
    refusing.beginFailure = "Drucker nicht bereit";
    const PrintStatus notStarted = printList(refusing, source("Studie\n"), "11.12.2026");
    EXPECT_FALSE(notStarted.ok());
    EXPECT_EQ(notStarted.message(), "Drucker nicht bereit");
    EXPECT_TRUE(refusing.recorded.texts.empty());
    EXPECT_FALSE(refusing.ended);

    RecordingPrinter failing(4760, 6779, 600);
    failing.endFailure = "Spooler";
    const PrintStatus notDelivered = printList(failing, source("Studie\n"), "11.12.2026");
    EXPECT_FALSE(notDelivered.ok());
    EXPECT_EQ(notDelivered.message(), "Spooler");

    RecordingPrinter working(4760, 6779, 600);
    EXPECT_TRUE(printList(working, source("Studie\n1\t1\tA\n"), "11.12.2026").ok());
    EXPECT_NE(working.recorded.find("11.12.2026"), nullptr);
    EXPECT_NE(working.recorded.find(" 1 "), nullptr);
    EXPECT_EQ(working.title, "Kelvaron - Studie.kvd");
}

} // namespace
} // namespace kelvaron
