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
            EXPECT_EQ(runAlertPanel("lensDelCaution", "lensDelMessage", "OK", "Cancel", ""),
                      alertAlternateReturn);
        }
        EXPECT_EQ(runAlertPanel("DropError", "OnlyTiffOrJpegOrPsdMessage", "Ok", "", ""),
                  alertDefaultReturn);
    }
    ASSERT_EQ(inner.alerts().size(), 1);
    EXPECT_EQ(inner.alerts().first().alternateButton, "Cancel");
    ASSERT_EQ(outer.alerts().size(), 1);
    EXPECT_EQ(outer.alerts().first().title, "DropError");
}

TEST(Alert, StandardErrorPresenterWritesTitleAndMessage) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(runAlertPanel("ErrorMessage", "FailedOpenMsg", "Close", "", ""), alertDefaultReturn);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "ErrorMessage: FailedOpenMsg\n");
}

} // namespace
