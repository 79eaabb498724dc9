#include "app/MainWindow.h"
#include "platform/LocalizedText.h"
#include "preferences/PaperSize.h"
#include "preferences/PreferencesKestavolin.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// The window and the panels look their texts up in the installed string table; the
// English text is the id, shown as it is without a table. The wording of the
// translations is the tables' own (their coverage is checked with the tables).
TEST(InterfaceTexts, WindowAndPanelsFollowTheStringTable) {
    ASSERT_TRUE(installStringTables(QLocale(QLocale::Japanese, QLocale::Japan)));
    {
        MainWindow window;
        PaperSize medium;
        PreferencesKestavolin preferences;
        const auto translated = [](const QString& shown, const char* id) {
            EXPECT_EQ(shown, localizedString(QString::fromUtf8(id))) << id;
            EXPECT_NE(shown, QString::fromUtf8(id)) << id;
        };
        translated(window.findChild<QMenu*>("menuFile")->title(), "&File");
        translated(window.findChild<QAction*>("actionOpen")->text(), "&Open…");
        translated(window.findChild<QLabel*>("lensTitle")->text(), "Lens name");
        translated(medium.windowTitle(), "Label Medium");
        translated(preferences.windowTitle(), "Preferences");
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestavolin"));
    }
    useEmptyStringTable();
    EXPECT_EQ(MainWindow().findChild<QMenu*>("menuFile")->title(), QStringLiteral("&File"));
}

} // namespace
