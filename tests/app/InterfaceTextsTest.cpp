#include "app/MainWindow.h"
#include "platform/LocalizedText.h"
#include "preferences/PaperSize.h"
#include "preferences/PreferencesKestavolin.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// The window and the panels look their texts up in the installed string table; the
// English text is the id, shown as it is without a table.
TEST(InterfaceTexts, WindowAndPanelsFollowTheStringTable) {
    ASSERT_TRUE(installStringTables(QLocale(QLocale::Japanese, QLocale::Japan)));
    {
        MainWindow window;
        PaperSize medium;
        PreferencesKestavolin preferences;
        EXPECT_EQ(window.findChild<QMenu*>("menuFile")->title(), QString::fromUtf8("ファイル(&F)"));
        const auto* open = window.findChild<QAction*>("actionOpen");
        EXPECT_EQ(open->text(), QString::fromUtf8("開く(&O)…"));
        EXPECT_EQ(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        EXPECT_EQ(window.findChild<QLabel*>("lensTitle")->text(), QString::fromUtf8("レンズ名"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestavolin"));
        EXPECT_EQ(medium.windowTitle(), QString::fromUtf8("ラベルの種類"));
        EXPECT_EQ(preferences.windowTitle(), QString::fromUtf8("環境設定"));
    }
    useEmptyStringTable();
    MainWindow window;
    PaperSize medium;
    EXPECT_EQ(window.findChild<QMenu*>("menuFile")->title(), QStringLiteral("&File"));
    EXPECT_EQ(medium.windowTitle(), QStringLiteral("Label Medium"));
}

} // namespace
