#include "platform/Result.h"

#include <gtest/gtest.h>

namespace {

// Without a string table a key is its own text, so the key can hold the places.
TEST(Failure, FillsEveryPlaceOnceAndTakesArgumentsAsTheyStand) {
    EXPECT_EQ((Failure{"Row %1 (%2): %3", {"4", "100%2.jpg", "gone"}}.text()),
              "Row 4 (100%2.jpg): gone");
    EXPECT_EQ((Failure{"%2 before %1, %3 unfilled, 50% kept", {"a", "b"}}.text()),
              "b before a, %3 unfilled, 50% kept");
    // A key the table does not hold keeps its arguments.
    EXPECT_EQ((Failure{"sheetNotRead", {"a.csv", "row 4"}}.text()), "sheetNotRead (a.csv, row 4)");
}

TEST(Result, HoldsEitherTheValueOrTheFailure) {
    const Result<int> value = 7;
    ASSERT_TRUE(value.ok());
    EXPECT_EQ(*value, 7);
    const Result<int> failed = Failure{"sheetNotRead", {}};
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.failure().key, "sheetNotRead");
    EXPECT_TRUE(Status().ok());
    EXPECT_FALSE(Status(Failure{"x", {}}).ok());
}

} // namespace
