#include "gui/startup/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelvaron::gui {

void loadQtTranslations(QCoreApplication& application, const QLocale& locale) {
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return;
    delete translator;
}

} // namespace kelvaron::gui
