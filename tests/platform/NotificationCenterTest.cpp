#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>

namespace {

TEST(NotificationCenter, DeliversToObserversOfTheNameInOrder) {
    NotificationCenter center;
    std::vector<int> calls;
    center.addObserver("dropItemTapeNotificaion", [&] { calls.push_back(1); });
    center.addObserver("dropItemRollNotificaion", [&] { calls.push_back(2); });
    center.addObserver("dropItemTapeNotificaion", [&] { calls.push_back(3); });
    center.postNotificationName("dropItemTapeNotificaion");
    EXPECT_EQ(calls, (std::vector<int>{1, 3}));
    center.postNotificationName("dropItemTapeNotification");
    EXPECT_EQ(calls.size(), 2u);
}

TEST(NotificationCenter, ObserversMayRemoveThemselvesAndOthersWhileDelivered) {
    NotificationCenter center;
    std::vector<int> calls;
    NotificationCenter::Token first = 0;
    NotificationCenter::Token second = 0;
    first = center.addObserver("n", [&] {
        calls.push_back(1);
        center.removeObserver(first);
        center.removeObserver(second);
    });
    second = center.addObserver("n", [&] { calls.push_back(2); });
    center.postNotificationName("n");
    center.postNotificationName("n");
    EXPECT_EQ(calls, (std::vector<int>{1}));
    // Removing a removed observer changes nothing.
    center.removeObserver(second);
    center.addObserver("n", [&] { calls.push_back(3); });
    center.postNotificationName("n");
    EXPECT_EQ(calls, (std::vector<int>{1, 3}));
}

} // namespace
