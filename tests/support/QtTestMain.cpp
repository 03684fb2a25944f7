// SPDX-License-Identifier: MIT
// GoogleTest entry for tests that need a QApplication (widgets, offscreen).
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv)
{
#ifdef LECTAVO_TEST_TZ
    setenv("TZ", LECTAVO_TEST_TZ, 1);
    tzset();
#endif
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
