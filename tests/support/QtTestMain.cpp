// SPDX-License-Identifier: MIT
// GoogleTest entry for tests that need an application object (widgets, offscreen).
#ifdef LECTAVO_TEST_APPLICATION
#include "Application.h"
using TestApplication = lectavo::app::Application;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif
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
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
