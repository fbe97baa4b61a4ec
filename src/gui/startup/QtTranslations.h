// Qt's own texts (the buttons of message boxes, the file and print dialogs) in the desktop's language,
// as the platform's dialogs follow the system's language on Windows.
#pragma once

class QCoreApplication;
class QLocale;

namespace kelvaron::gui {

// Installs Qt's translation for `locale` from Qt's translations folder into `application`; when there is
// none (an English or "C" locale, or the translations are not installed) Qt's English texts stay.
void loadQtTranslations(QCoreApplication& application, const QLocale& locale);

} // namespace kelvaron::gui
