#include "gui/FormTexts.h"

#include "core/i18n/FormTable.h"
#include "gui/QtText.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTabWidget>

namespace kelvaron::gui {
namespace {

void applyCaption(QWidget& widget, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(caption);
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        // A caption from a language file may hold "<": it is shown as it is, never as markup. An "&" marks
        // the access key of a label that has a field (its buddy), as on a button.
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        return;
    }
    if (auto* panel = qobject_cast<QGroupBox*>(&widget)) {
        panel->setTitle(caption);
        return;
    }
    // A page of a tab widget sits in the tab widget's stack, two levels down.
    QWidget* stack = widget.parentWidget();
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (tabs && tabs->indexOf(&widget) >= 0)
        tabs->setTabText(tabs->indexOf(&widget), caption);
}

void applyLines(QWidget& widget, const std::vector<std::string>& lines) {
    auto* memo = qobject_cast<QPlainTextEdit*>(&widget);
    if (!memo)
        return;
    QStringList text;
    for (const auto& line : lines)
        text.append(qtText(line));
    memo->setPlainText(text.join(QLatin1Char('\n')));
}

} // namespace

void applyFormTexts(QWidget& form, const FormTable& table) {
    form.setWindowTitle(qtText(table.caption));
    for (const auto& component : table.components) {
        auto* widget = form.findChild<QWidget*>(QString::fromStdString(component.name));
        if (!widget)
            continue;
        if (component.caption)
            applyCaption(*widget, qtText(*component.caption));
        if (component.hint)
            widget->setToolTip(qtText(*component.hint));
        if (!component.lines.empty())
            applyLines(*widget, component.lines);
    }
}

} // namespace kelvaron::gui
