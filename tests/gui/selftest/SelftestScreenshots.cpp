// Writes two pictures of the self-test dialog into the folder given as the only argument:
// selftest-running.png after pass 5 and selftest-done.png after the last pass. Run it under xvfb-run.
#include "core/engine/TRandomGenerator.h"
#include "core/i18n/FixedTexts.h"
#include "core/i18n/Forms.h"
#include "gui/QtText.h"
#include "gui/selftest/TFormSelftest.h"
#include "support/FakePrompter.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(kelvaron::gui::qtText(kelvaron::fixed::kBoxTitle));
    if (argc != 2) {
        std::fputs("usage: gui_selftest_screenshots FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const kelvaron::FormTable table = kelvaron::makeFormSelftest();
    kelvaron::TRandomGenerator generator;
    kelvaron::test::FakePrompter prompter;
    kelvaron::gui::TFormSelftest dialog(table, generator, prompter);
    int waits = 0;
    bool saved = true;
    dialog.setWait([&](int) {
        ++waits;
        if (waits == 5)
            saved = dialog.grab().save(folder.filePath(QStringLiteral("selftest-running.png"))) && saved;
        if (waits == 11)
            saved = dialog.grab().save(folder.filePath(QStringLiteral("selftest-done.png"))) && saved;
    });
    const bool passed = dialog.showModal() == kelvaron::ModalResult::OK;
    if (!passed)
        std::fputs("the self-test did not end with OK\n", stderr);
    return saved && passed && waits == 11 ? 0 : 1;
}
