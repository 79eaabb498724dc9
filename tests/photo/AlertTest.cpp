#include "platform/Alert.h"

#include <gtest/gtest.h>

namespace {

// The command line tells an alert as one line of its title and message, followed by the
// items it is about, each on an indented line of its own.
TEST(Alert, StandardErrorLineHoldsTitleMessageAndEachDetail) {
    EXPECT_EQ(standardErrorLine({.title = "ErrorMessage", .message = "FailedOpenMsg"}),
              "ErrorMessage: FailedOpenMsg");
    EXPECT_EQ(standardErrorLine({.title = "printFailedTitle",
                                 .message = "printLabelsMsg",
                                 .details = {"a.jpg", "b: c.jpg"}}),
              "printFailedTitle: printLabelsMsg\n  a.jpg\n  b: c.jpg");
}

} // namespace
