#include "gui/Pictures.h"

#include <QBitmap>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace kelvaron::gui {
namespace {

QPixmap transparentCanvas(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap programEmblem(int side) {
    QPixmap pixmap = transparentCanvas(side);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF frame(1, 1, side - 2, side - 2);
    QLinearGradient background(frame.topLeft(), frame.bottomRight());
    background.setColorAt(0, QColor(0x4a, 0x7f, 0xb5));
    background.setColorAt(1, QColor(0x1f, 0x4e, 0x79));
    painter.setPen(QPen(QColor(0x17, 0x3c, 0x5e), 1.5));
    painter.setBrush(background);
    painter.drawRoundedRect(frame, side * 0.18, side * 0.18);

    // Three permuted blocks of three patients each: every arm once per row.
    static constexpr std::array<std::array<int, 3>, 3> blocks{{{0, 1, 2}, {2, 0, 1}, {1, 2, 0}}};
    const std::array<QColor, 3> arms{QColor(0xff, 0xff, 0xff), QColor(0xa8, 0xcb, 0xea),
                                     QColor(0x6f, 0xb7, 0xc9)};
    const double cell = side * 0.22;
    const double gap = side * 0.06;
    const double origin = (side - 3 * cell - 2 * gap) / 2;
    painter.setPen(Qt::NoPen);
    for (std::size_t row = 0; row < blocks.size(); ++row) {
        for (std::size_t column = 0; column < blocks[row].size(); ++column) {
            const QRectF square(origin + static_cast<double>(column) * (cell + gap),
                                origin + static_cast<double>(row) * (cell + gap), cell, cell);
            painter.setBrush(arms[static_cast<std::size_t>(blocks[row][column])]);
            painter.drawRoundedRect(square, cell * 0.2, cell * 0.2);
        }
    }
    return pixmap;
}

QPixmap makerLogo(int side) {
    QPixmap pixmap = transparentCanvas(side);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF disc(2, 2, side - 4, side - 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x4e, 0x79));
    painter.drawEllipse(disc);

    // Four list lines of decreasing length, with a bullet each.
    painter.setBrush(QColor(0xe8, 0xf1, 0xfa));
    const double line = side * 0.075;
    for (int i = 0; i < 4; ++i) {
        const double y = side * (0.28 + 0.13 * i);
        painter.drawEllipse(QRectF(side * 0.24, y, line, line));
        painter.drawRoundedRect(QRectF(side * 0.36, y, side * (0.42 - 0.06 * i), line), line / 2, line / 2);
    }
    return pixmap;
}

std::optional<QPixmap> logoFilePicture() {
    const QImage image(QDir::current().filePath(QStringLiteral("logo_med.bmp")));
    if (image.isNull())
        return std::nullopt;
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(pixmap.createMaskFromColor(image.pixelColor(0, image.height() - 1), Qt::MaskInColor));
    return pixmap;
}

} // namespace kelvaron::gui
