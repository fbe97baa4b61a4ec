// A label that reports a click of the left mouse button, for the web address on the information page.
#pragma once

#include <QLabel>

namespace kelvaron::gui {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kelvaron::gui
