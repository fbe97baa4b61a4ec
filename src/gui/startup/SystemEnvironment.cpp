#include "gui/startup/SystemEnvironment.h"

#include <QCoreApplication>

namespace kelvaron::gui {
namespace {

// From UTF-16, so that a folder name outside the local 8-bit code page survives on Windows.
std::filesystem::path localPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

SystemEnvironment::SystemEnvironment()
    : programDir_(localPath(QCoreApplication::applicationDirPath())),
      integrityCheck_(localPath(QCoreApplication::applicationFilePath())) {}

ProgramEnvironment SystemEnvironment::environment() {
    return {.programDir = programDir_,
            .prompter = prompter_,
            .clock = clock_,
            .files = files_,
            .versionQuery = versionQuery_,
            .integrityCheck = integrityCheck_};
}

} // namespace kelvaron::gui
