#include "gui/print/PdfList.h"

#include "core/file/AtomicFile.h"
#include "core/text/PathText.h"
#include "gui/print/QtPrinterDevice.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

#include <string>

namespace kelvaron::gui {

QPageLayout a4PageLayout(QPageLayout::Orientation orientation) {
    constexpr qreal border = 10;
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(border, border, border, border),
                       QPageLayout::Point);
}

PrintStatus printListToPdf(const std::filesystem::path& path, const PrintSource& source,
                           std::string_view dateText, const QPageLayout& layout, int dotsPerInch) {
    const std::string cannotWrite = cannotWriteMessage(path);
    // The whole file is made in memory first, so that it reaches the disk in one atomic write.
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return PrintStatus::failure(cannotWrite);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(dotsPerInch);
        writer.setPageLayout(layout);
        QtPrinterDevice device(writer, cannotWrite);
        if (PrintStatus status = printList(device, source, dateText); !status.ok())
            return status;
    }
    const QByteArray& bytes = buffer.data();
    const std::string_view content(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (writeFileAtomically(path, content) != WriteFileStatus::Written)
        return PrintStatus::failure(cannotWrite);
    return PrintStatus::success();
}

} // namespace kelvaron::gui
