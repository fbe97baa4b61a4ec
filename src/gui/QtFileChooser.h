// The file dialogs as Qt's QFileDialog. Each dialog offers the name chosen in it last time.
#pragma once

#include "gui/FileChooser.h"

namespace kelvaron::gui {

class QtFileChooser : public FileChooser {
public:
    std::optional<std::filesystem::path> openDesign(const QString& title) override;
    std::optional<std::filesystem::path> saveDesign(const QString& title) override;
    std::optional<std::filesystem::path> exportList() override;

private:
    QString openDesignName_;
    QString saveDesignName_;
    QString exportName_;
};

} // namespace kelvaron::gui
