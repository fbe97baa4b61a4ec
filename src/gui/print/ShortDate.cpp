#include "gui/print/ShortDate.h"

#include "gui/QtText.h"

#include <QDate>
#include <QLocale>

namespace kelvaron::gui {

std::string todayShortDate() {
    return coreText(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

} // namespace kelvaron::gui
