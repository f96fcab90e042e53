#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "support/WindowFakes.h"
#include "window/AboutWindow.h"
#include "window/Pictures.h"

namespace {

using rotulano::test::TestWindow;
using rotulano::window::AboutWindow;

// Sobre opens one modal about window, a second Sobre opens no other, and OK closes it
// without closing the main window.
TEST(AboutWindow, ShowsNameVersionAndPictureOnceAndOkClosesIt) {
    TestWindow test;
    test.open();
    test.controls().menuSobre->trigger();
    test.controls().menuSobre->trigger();
    ASSERT_EQ(test.window->findChildren<AboutWindow*>().size(), 1);
    auto* about = test.window->findChild<AboutWindow*>(QStringLiteral("CP21999"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isModal());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Sobre o Rotulano"));
    bool versionShown = false;
    bool pictureShown = false;
    for (QLabel* label : about->findChildren<QLabel*>()) {
        versionShown |= label->text() == QString::fromUtf8("Rotulano - Versão 02.05.00");
        pictureShown |= !rotulano::window::pictureName(label).isEmpty();
    }
    EXPECT_TRUE(versionShown);
    EXPECT_TRUE(pictureShown);

    QPushButton* ok = nullptr;
    for (QPushButton* button : about->findChildren<QPushButton*>()) {
        ok = button->text() == QStringLiteral("OK") ? button : ok;
    }
    ASSERT_NE(ok, nullptr);
    ok->click();
    TestWindow::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(test.window->findChild<AboutWindow*>(QStringLiteral("CP21999")), nullptr);
    EXPECT_FALSE(test.window->formClosed());
}

}  // namespace
