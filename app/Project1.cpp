// SPDX-License-Identifier: MIT
#include "Application.h"
#include "lectavo/convert/BuiltinEngine.h"
#include "Unit1.h"
#include "WindowFrame.h"
#include "Unit2.h"

int main(int argc, char** argv)
{
    lectavo::app::Application application(argc, argv);
    application.setApplicationName(QStringLiteral("Lectavo"));
    application.setApplicationVersion(QStringLiteral(LECTAVO_VERSION));
    application.setWindowIcon(lectavo::chrome::ApplicationIcon());

    lectavo::automation::registerBuiltinEngine();

    lectavo::platform::QtDialogs dialogs;
    lectavo::platform::QtMessageBox messages;
    lectavo::platform::QtShell shell;
    lectavo::app::Services services{dialogs, messages, shell};

    TForm1 Form1(services);
    TForm2 Form2([&Form1](const QString& initial) { return Form1.ChooseFolder(initial); }, &Form1);
    Form1.setForm2(&Form2);
    application.setErrorReporter(
        [&](const QString& text) { messages.show(QApplication::activeWindow(), text, QStringLiteral("Lectavo")); });

    // Files handed over by the desktop ("Open with") join the list as Add would add them.
    Form1.addPaths(application.arguments().mid(1));
    Form1.show();
    return application.exec();
}
