// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

// The one QApplication of a widget test binary, made on first use so that listing the tests needs no
// display. It is never destroyed: tearing Qt down from the exit handlers crashes in the input devices.
inline QApplication& ChromeTestApp()
{
    static int argc = 1;
    static char arg0[] = "chrome-tests";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
