#include "gui/print/QtPrinterDevice.h"

#include "PdfText.h"
#include "core/text/PathText.h"
#include "gui/print/PdfList.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>

#include <filesystem>
#include <gtest/gtest.h>

namespace kelvaron {
namespace {

using gui::QtPrinterDevice;

TEST(QtPrinterDevice, ThePageIsThePrintableAreaInDevicePixels) {
    struct Case {
        QPageLayout::Orientation orientation;
        std::int32_t width;
        std::int32_t height;
    };
    // A4 is 595 x 842 points; less 10 points on each side that is 575 x 822 points, at 600 dpi.
    for (const Case& c :
         {Case{QPageLayout::Portrait, 4792, 6851}, Case{QPageLayout::Landscape, 6851, 4792}}) {
        QBuffer buffer;
        QPdfWriter writer(&buffer);
        writer.setResolution(gui::kPdfDotsPerInch);
        writer.setPageLayout(gui::a4PageLayout(c.orientation));
        const QtPrinterDevice device(writer, "");
        EXPECT_EQ(device.pageWidth(), c.width);
        EXPECT_EQ(device.pageHeight(), c.height);
        EXPECT_EQ(device.dpiY(), 600);
    }

    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("p.pdf"));
    printer.setResolution(300);
    const QtPrinterDevice device(printer);
    EXPECT_EQ(device.pageWidth(), qRound(printer.pageRect(QPrinter::DevicePixel).width()));
    EXPECT_EQ(device.pageHeight(), qRound(printer.pageRect(QPrinter::DevicePixel).height()));
    EXPECT_EQ(device.dpiY(), 300);
}

TEST(QtPrinterDevice, CountsThePagesOfTheJobAndNamesIt) {
    QTemporaryDir folder;
    const std::filesystem::path pdf = folder.filePath("job.pdf").toStdString();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    QtPrinterDevice device(printer);

    device.setTitle("Studie M\xFC"
                    "ller");
    ASSERT_TRUE(device.beginDoc().ok());
    EXPECT_EQ(device.pageNumber(), 1);
    device.newPage();
    device.newPage();
    EXPECT_EQ(device.pageNumber(), 3);
    ASSERT_TRUE(device.endDoc().ok());

    EXPECT_EQ(test::pdfPageCount(pdf), 3);
    EXPECT_EQ(test::pdfInfo(pdf, "Title"), "Studie M\xC3\xBCller");
}

TEST(QtPrinterDevice, AJobThatCannotStartNamesTheFile) {
    QTemporaryDir folder;
    const std::filesystem::path pdf = folder.filePath("missing/job.pdf").toStdString();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    QtPrinterDevice device(printer);

    const PrintStatus status = device.beginDoc();
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), cannotWriteMessage(pdf));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

} // namespace
} // namespace kelvaron
