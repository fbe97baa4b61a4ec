#include "gui/startup/WebAddress.h"

#include "core/startup/WebLink.h"
#include "gui/QtText.h"

#include <QDesktopServices>
#include <QUrl>

namespace kelvaron::gui {

void openWebAddress(const QString& caption) {
    if (!isOpenableWebAddress(coreText(caption)))
        return;
    // Without a browser the system opens nothing and tells nothing; the program goes on either way.
    QDesktopServices::openUrl(QUrl(caption));
}

} // namespace kelvaron::gui
