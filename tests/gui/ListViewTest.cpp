// The list view after "Generieren": the list is the start of its editing history, and a click on
// "Generieren" while a list is generated is dropped rather than generating it again.
#include "WindowFixture.h"

#include <QApplication>
#include <QMouseEvent>

namespace kelvaron::test {
namespace {

TEST_F(WindowTest, TheUsersEditsOfTheListCanBeUndoneButNotTheListItself) {
    clickTab(Page::Liste);
    click("BitBtnStart");
    const QString generated = listView();
    auto& view = get<QPlainTextEdit>("RichEditList");
    view.moveCursor(QTextCursor::End);
    typeKeys(&view, QStringLiteral("Notiz"));
    ASSERT_EQ(listView(), generated + QStringLiteral("Notiz"));

    view.undo();
    EXPECT_EQ(listView(), generated);
    EXPECT_FALSE(view.document()->isUndoAvailable());
}

TEST_F(WindowTest, AClickOnGenerierenWhileTheListIsGeneratedIsDropped) {
    clickTab(Page::Liste);
    auto& start = get<QAbstractButton>("BitBtnStart");
    int generations = 0;
    QObject::connect(&start, &QAbstractButton::clicked, [&] { ++generations; });
    // A second click that waits in the queue while the first one is handled.
    const QPointF inside(8, start.height() / 2);
    QCoreApplication::postEvent(&start,
                                new QMouseEvent(QEvent::MouseButtonPress, inside, start.mapToGlobal(inside),
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(&start,
                                new QMouseEvent(QEvent::MouseButtonRelease, inside, start.mapToGlobal(inside),
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));

    click("BitBtnStart");
    QApplication::processEvents();

    EXPECT_EQ(generations, 1);
    EXPECT_TRUE(start.isEnabled());
    EXPECT_TRUE(listView().startsWith(QStringLiteral("\nSeed: (")));
}

} // namespace
} // namespace kelvaron::test
