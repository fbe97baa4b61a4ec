#include "cli/PrintCommand.h"

#include "cli/CliPrompter.h"
#include "core/print/TFormDruck.h"
#include "gui/print/PdfList.h"
#include "gui/print/ShortDate.h"

#include <QGuiApplication>

#include <optional>

namespace kelvaron::cli {
namespace {

// Standard error carries the program's messages, one per line; Qt's own notes (a missing runtime folder,
// a font substituted) are kept off it while the command runs. Critical and fatal ones still reach Qt's
// handler.
class QtNotesSilenced {
public:
    QtNotesSilenced() { previous_ = qInstallMessageHandler(&handle); }
    ~QtNotesSilenced() { qInstallMessageHandler(previous_); }
    QtNotesSilenced(const QtNotesSilenced&) = delete;
    QtNotesSilenced& operator=(const QtNotesSilenced&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            previous_(type, context, text);
    }
    static inline QtMessageHandler previous_ = nullptr;
};

// The application object the fonts need, made for the length of the command when the caller has none
// (an application object of the caller must be a QGuiApplication).
// The tool never shows a window, so it needs no display: without a platform chosen it draws offscreen.
class FontApplication {
public:
    FontApplication() {
        if (QCoreApplication::instance() != nullptr)
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application_.emplace(argc_, argv_);
    }
    FontApplication(const FontApplication&) = delete;
    FontApplication& operator=(const FontApplication&) = delete;

private:
    // QGuiApplication keeps references to both for its whole life.
    char programName_[13] = "kelvaron-cli";
    char* argv_[2] = {programName_, nullptr};
    int argc_ = 1;
    std::optional<QGuiApplication> application_;
};

} // namespace

std::optional<PrintOptions> parsePrintOptions(std::span<const std::string> args, std::ostream& err) {
    PrintOptions options;
    bool haveDesign = false;
    bool havePdf = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (takeListArgument(args, i, options.generate, haveDesign))
            continue;
        const std::string& arg = args[i];
        if (arg == "--landscape") {
            options.landscape = true;
        } else if (arg == "--pdf" && i + 1 < args.size() && !args[i + 1].empty()) {
            options.pdf = args[++i];
            havePdf = true;
        } else {
            err << "kelvaron-cli print: unexpected argument '" << arg << "' (see --help)\n";
            return std::nullopt;
        }
    }
    if (!haveDesign) {
        err << "kelvaron-cli print: no design file given (see --help)\n";
        return std::nullopt;
    }
    if (!havePdf) {
        err << "kelvaron-cli print: no PDF file given with --pdf (see --help)\n";
        return std::nullopt;
    }
    return options;
}

int runPrint(const PrintOptions& options, const std::filesystem::path& languageDir, std::ostream& err) {
    CliPrompter prompter(err, options.generate.answerYes);
    const GeneratedList list = generateList(options.generate, languageDir, prompter, err);
    if (list.exitCode == kExitStopped || list.exitCode == kExitUsage)
        return list.exitCode;

    const QtNotesSilenced silenced;
    const FontApplication application;
    const PrintSource source{list.listText, list.centerLinePrefix, list.blockSeparatorLine, list.caption};
    const auto orientation = options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (const PrintStatus status = gui::printListToPdf(options.pdf, source, gui::todayShortDate(),
                                                       gui::a4PageLayout(orientation), gui::kPdfDotsPerInch);
        !status.ok()) {
        prompter.error(status.message());
        return kExitUsage;
    }
    return list.exitCode;
}

} // namespace kelvaron::cli
