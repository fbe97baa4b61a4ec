// Runs each Qt test program inside one QApplication, on the offscreen platform unless another one is
// chosen.
#include "core/i18n/FixedTexts.h"
#include "gui/QtText.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(kelvaron::gui::qtText(kelvaron::fixed::kBoxTitle));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
