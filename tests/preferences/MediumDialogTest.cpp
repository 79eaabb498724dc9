#include "preferences/MediumDialog.h"

#include "photo/LabelMedia.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The second item means Roll 60, any other index (or none) Tape 18; the panel cannot
// be dismissed without a choice.
TEST(MediumDialogTest, OffersTheTwoMediaAndCannotBeDismissedWithoutAChoice) {
    MediumDialog panel;
    EXPECT_EQ(panel.mediaName(), LabelMedia::tape18Name);
    EXPECT_EQ(panel.mediumBox()->count(), 2);
    for (const auto& [index, medium] : {std::pair{0, LabelMedia::tape18Name},
                                        {1, LabelMedia::roll60Name},
                                        {-1, LabelMedia::tape18Name}}) {
        panel.mediumBox()->setCurrentIndex(index);
        panel.accept();
        EXPECT_EQ(panel.mediaName(), medium) << index;
    }
    panel.show();
    panel.reject();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_FALSE(panel.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

// The printer's loaded medium is chosen for the user until the user chooses.
TEST(MediumDialogTest, ASuggestedMediumIsChosenUntilTheUserChooses) {
    MediumDialog panel;
    panel.suggest(LabelMedia::roll60Name);
    EXPECT_EQ(panel.mediumBox()->currentIndex(), 1);
    panel.mediumBox()->setCurrentIndex(0);
    emit panel.mediumBox()->activated(0);
    panel.suggest(LabelMedia::roll60Name);
    panel.accept();
    EXPECT_EQ(panel.mediaName(), LabelMedia::tape18Name);
}

TEST(MediumDialogTest, InitRunsThePanelUntilConfirmed) {
    // The panel is answered from the event loop its own modal run starts.
    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* panel = qobject_cast<MediumDialog*>(window);
            if (panel && panel->isVisible()) {
                panel->mediumBox()->setCurrentIndex(1);
                panel->okButton()->click();
            }
        }
    });
    const std::unique_ptr<MediumDialog> panel = MediumDialog::run();
    EXPECT_EQ(panel->mediaName(), LabelMedia::roll60Name);
    EXPECT_EQ(panel->result(), QDialog::Accepted);
}

} // namespace
