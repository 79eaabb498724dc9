#include <QApplication>
#include <gtest/gtest.h>

// Widget tests run without a display: the offscreen platform gives real fonts,
// painting and widgets, so layouts are measured exactly as on screen.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
