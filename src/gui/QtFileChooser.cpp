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

struct Chosen {
    std::filesystem::path path;
    int filter = 0; // the index of the name filter chosen
};

// The default suffix that goes with each export filter: the text file, the CSV table, the REDCap table.
const QStringList& exportSuffixes() {
    static const QStringList suffixes{QStringLiteral("txt"), QStringLiteral("csv"), QStringLiteral("csv")};
    return suffixes;
}

// Runs the dialog and remembers the chosen name in `lastName`. `suffixes`, when given, holds the default
// suffix of each filter.
std::optional<Chosen> choose(const DialogSettings& settings, QString& lastName,
                             const QStringList* suffixes = nullptr) {
    QFileDialog dialog(QApplication::activeWindow(), settings.title);
    dialog.setAcceptMode(settings.acceptMode);
    // An open dialog that accepts a name whose file does not exist.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(settings.filters);
    dialog.selectNameFilter(settings.filters.front());
    dialog.setDefaultSuffix(settings.defaultSuffix);
    if (suffixes) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
            const auto index = settings.filters.indexOf(filter);
            if (index >= 0 && index < suffixes->size())
                dialog.setDefaultSuffix(suffixes->at(index));
        });
    }
    if (!lastName.isEmpty())
        dialog.selectFile(lastName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    lastName = dialog.selectedFiles().front();
    return Chosen{std::filesystem::path(QFile::encodeName(lastName).toStdString()),
                  static_cast<int>(settings.filters.indexOf(dialog.selectedNameFilter()))};
}

std::optional<std::filesystem::path> choosePath(const DialogSettings& settings, QString& lastName) {
    auto chosen = choose(settings, lastName);
    if (!chosen)
        return std::nullopt;
    return std::move(chosen->path);
}

} // namespace

std::optional<std::filesystem::path> QtFileChooser::openDesign(std::string_view title) {
    return choosePath({qtText(title), designFilters(), QStringLiteral("kvd"), QFileDialog::AcceptOpen},
                      openDesignName_);
}

std::optional<std::filesystem::path> QtFileChooser::saveDesign(std::string_view title) {
    return choosePath({qtText(title), designFilters(), QStringLiteral("kvd"), QFileDialog::AcceptSave},
                      saveDesignName_);
}

std::optional<ExportChoice> QtFileChooser::exportList() {
    const auto chosen = choose(
        {qtText(fixed::kExportDialogTitle),
         {qtText(fixed::kTextFileFilter), qtText(fixed::kCsvFileFilter), qtText(fixed::kRedcapFileFilter)},
         QStringLiteral("txt"),
         QFileDialog::AcceptSave},
        exportName_, &exportSuffixes());
    if (!chosen)
        return std::nullopt;
    constexpr ExportType kTypes[] = {ExportType::Text, ExportType::Csv, ExportType::Redcap};
    const ExportType type =
        chosen->filter > 0 && chosen->filter < 3 ? kTypes[chosen->filter] : ExportType::Text;
    return ExportChoice{chosen->path, type};
}

std::optional<std::filesystem::path> QtFileChooser::saveReport(std::string_view title) {
    return choosePath(
        {qtText(title), {qtText(fixed::kTextFileFilter)}, QStringLiteral("txt"), QFileDialog::AcceptSave},
        reportName_);
}

} // namespace kelvaron::gui
