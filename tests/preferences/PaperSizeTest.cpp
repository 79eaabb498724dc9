#include "preferences/PaperSize.h"

#include "photo/ConstStrings.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The panel that is being shown, found among the application's windows.
PaperSize* shownPanel() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* panel = qobject_cast<PaperSize*>(window);
        if (panel && panel->isVisible())
            return panel;
    }
    return nullptr;
}

TEST(PaperSizeTest, OffersTheTwoMediaWithTapePreselectedAndReadsTheChoice) {
    PaperSize panel;
    EXPECT_EQ(panel.mediaName(), MediaTape18Key);
    EXPECT_EQ(panel.mediaSelectButton()->count(), 2);
    EXPECT_EQ(panel.mediaSelectButton()->currentIndex(), 0);
    EXPECT_EQ(panel.findChild<QPushButton*>("okButton"), panel.okButton());

    panel.accept();
    EXPECT_EQ(panel.mediaName(), MediaTape18Key);

    // The second item means Roll 60, any other index Tape 18.
    panel.mediaSelectButton()->setCurrentIndex(1);
    panel.accept();
    EXPECT_EQ(panel.mediaName(), MediaRoll60Key);

    panel.mediaSelectButton()->setCurrentIndex(-1);
    panel.accept();
    EXPECT_EQ(panel.mediaName(), MediaTape18Key);
}

TEST(PaperSizeTest, CannotBeDismissedWithoutAChoice) {
    PaperSize panel;
    panel.show();
    panel.reject();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_FALSE(panel.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST(PaperSizeTest, InitRunsThePanelUntilConfirmed) {
    // The panel is answered from the event loop its own modal run starts.
    QTimer::singleShot(0, [] {
        PaperSize* panel = shownPanel();
        ASSERT_NE(panel, nullptr);
        panel->mediaSelectButton()->setCurrentIndex(1);
        panel->okButton()->click();
    });
    const std::unique_ptr<PaperSize> panel = PaperSize::initPaperSize();
    EXPECT_EQ(panel->mediaName(), MediaRoll60Key);
    EXPECT_EQ(panel->result(), QDialog::Accepted);
    EXPECT_FALSE(panel->isVisible());
}

} // namespace
