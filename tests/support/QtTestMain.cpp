// The tests of the Qt layer run inside a Qt application; views need the
// widgets one, on the offscreen platform when no display is set.

#ifdef KOLT_TEST_WIDGETS
#include <QApplication>
#endif
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifdef KOLT_TEST_WIDGETS
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
