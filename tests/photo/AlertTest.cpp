#include "platform/Alert.h"

#include <gtest/gtest.h>

namespace {

TEST(Alert, GoesToTheInstalledPresenterAndAnswersItsButton) {
    RecordingAlertPresenter outer;
    RecordingAlertPresenter inner;
    inner.setAnswer(alertAlternateReturn);
    {
        const ScopedAlertPresenter installOuter(outer);
        {
            const ScopedAlertPresenter installInner(inner);
            EXPECT_EQ(runAlertPanel("lensDelCoution", "lensDelMessage", "OK", "Cansel", ""),
                      alertAlternateReturn);
        }
        EXPECT_EQ(runAlertPanel("DropEroor", "OnlyTiffOrJpegOrPsdMessage", "Ok", "", ""),
                  alertDefaultReturn);
    }
    ASSERT_EQ(inner.alerts().size(), 1);
    EXPECT_EQ(inner.alerts().first().alternateButton, "Cansel");
    ASSERT_EQ(outer.alerts().size(), 1);
    EXPECT_EQ(outer.alerts().first().title, "DropEroor");
}

TEST(Alert, StandardErrorPresenterWritesTitleAndMessage) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(runAlertPanel("ErrorMassage", "FailedOpenMsg", "Colse", "", ""), alertDefaultReturn);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "ErrorMassage: FailedOpenMsg\n");
}

} // namespace
