#include "gui/startup/SystemEnvironment.h"

#include "core/i18n/LanguageFolder.h"

#include <QCoreApplication>

namespace kelvaron::gui {
namespace {

// From UTF-16, so that a folder name outside the local 8-bit code page survives on Windows.
std::filesystem::path localPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// The first argument left by QApplication, as the desktop entry passes a design file; the others are
// ignored.
std::optional<std::filesystem::path> designFileArgument() {
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return std::nullopt;
    std::error_code error;
    const auto given = localPath(arguments.at(1));
    const auto absolute = std::filesystem::absolute(given, error);
    return error ? given : absolute;
}

} // namespace

SystemEnvironment::SystemEnvironment()
    : programDir_(localPath(QCoreApplication::applicationDirPath())),
      userConfigDir_(userConfigFolderOfThisProcess()), designFile_(designFileArgument()),
      integrityCheck_(localPath(QCoreApplication::applicationFilePath())) {}

ProgramEnvironment SystemEnvironment::environment() {
    return {.programDir = programDir_,
            .prompter = prompter_,
            .clock = clock_,
            .files = files_,
            .versionQuery = versionQuery_,
            .integrityCheck = integrityCheck_,
            .userConfigDir = userConfigDir_,
            .designFile = designFile_};
}

} // namespace kelvaron::gui
