// The file dialogs as Qt's QFileDialog. Each dialog offers the name chosen in it last time.
#pragma once

#include "core/platform/FileChooser.h"

#include <QString>

namespace kelvaron::gui {

class QtFileChooser : public FileChooser {
public:
    std::optional<std::filesystem::path> openDesign(std::string_view title) override;
    std::optional<std::filesystem::path> saveDesign(std::string_view title) override;
    std::optional<ExportChoice> exportList() override;
    std::optional<std::filesystem::path> saveReport(std::string_view title) override;

private:
    QString openDesignName_;
    QString saveDesignName_;
    QString exportName_;
    QString reportName_;
};

} // namespace kelvaron::gui
