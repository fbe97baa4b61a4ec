// The pictures of the main window: two built-in emblems drawn in code, and the optional logo file.
#pragma once

#include <QPixmap>

#include <optional>

namespace kelvaron::gui {

// The program's emblem: a rounded square holding permuted blocks in calm blue tones.
[[nodiscard]] QPixmap programEmblem(int side);

// The maker's mark: a disc with a stylised list.
[[nodiscard]] QPixmap makerLogo(int side);

// "logo_med.bmp" in the current working directory, drawn transparently: the colour of its bottom-left
// pixel becomes transparent. nullopt when the file is missing or not a picture.
[[nodiscard]] std::optional<QPixmap> logoFilePicture();

} // namespace kelvaron::gui
