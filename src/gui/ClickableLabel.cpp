#include "gui/ClickableLabel.h"

#include <QMouseEvent>

namespace kelvaron::gui {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace kelvaron::gui
