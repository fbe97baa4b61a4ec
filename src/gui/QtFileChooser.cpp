#include "gui/QtFileChooser.h"

#include "core/i18n/FixedTexts.h"
#include "gui/QtText.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QStringList>

namespace kelvaron::gui {
namespace {

const QStringList& designFilters() {
    static const QStringList filters{qtText(fixed::kDesignFileFilter), qtText(fixed::kAllFilesFilter)};
    return filters;
}

struct DialogSettings {
    QString title;
    QStringList filters;
    QString defaultSuffix;
    QFileDialog::AcceptMode acceptMode;
};

// Runs the dialog and remembers the chosen name in `lastName`.
std::optional<std::filesystem::path> choose(const DialogSettings& settings, QString& lastName) {
    QFileDialog dialog(QApplication::activeWindow(), settings.title);
    dialog.setAcceptMode(settings.acceptMode);
    // An open dialog that accepts a name whose file does not exist.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(settings.filters);
    dialog.selectNameFilter(settings.filters.front());
    dialog.setDefaultSuffix(settings.defaultSuffix);
    if (!lastName.isEmpty())
        dialog.selectFile(lastName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    lastName = dialog.selectedFiles().front();
    return std::filesystem::path(QFile::encodeName(lastName).toStdString());
}

} // namespace

std::optional<std::filesystem::path> QtFileChooser::openDesign(std::string_view title) {
    return choose({qtText(title), designFilters(), QStringLiteral("kvd"), QFileDialog::AcceptOpen},
                  openDesignName_);
}

std::optional<std::filesystem::path> QtFileChooser::saveDesign(std::string_view title) {
    return choose({qtText(title), designFilters(), QStringLiteral("kvd"), QFileDialog::AcceptSave},
                  saveDesignName_);
}

std::optional<std::filesystem::path> QtFileChooser::exportList() {
    return choose({qtText(fixed::kExportDialogTitle),
                   {qtText(fixed::kTextFileFilter)},
                   QStringLiteral("txt"),
                   QFileDialog::AcceptSave},
                  exportName_);
}

} // namespace kelvaron::gui
