#include "app/MainWindow.h"
#include "platform/LocalizedText.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace {

// The window looks its texts up in the installed string table; without a table the
// English text, which is the id, is shown as it is.
TEST(InterfaceTexts, TheWindowFollowsTheStringTable) {
    const auto fileMenuTitle = [] { return MainWindow().findChild<QMenu*>("menuFile")->title(); };
    auto strings = installStringTables(QLocale(QLocale::Japanese, QLocale::Japan));
    ASSERT_TRUE(strings);
    const QString japanese = fileMenuTitle();
    EXPECT_EQ(japanese, localizedString(QStringLiteral("&File")));
    strings.reset();
    EXPECT_NE(japanese, QStringLiteral("&File"));
    EXPECT_EQ(fileMenuTitle(), QStringLiteral("&File"));
}

// The main window asks for no more room than a small laptop screen offers.
TEST(InterfaceTexts, TheWindowFitsASmallScreen) {
    MainWindow window;
    EXPECT_LE(window.minimumSizeHint().width(), 1024);
    EXPECT_LE(window.minimumSizeHint().height(), 600);
}

} // namespace
