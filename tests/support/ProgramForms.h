// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QStringList>

#include "Unit1.h"
#include "Unit2.h"
#include "support/FakeServices.h"
#include "ui_Unit1.h"
#include "ui_Unit2.h"

namespace lectavo::testing {

// The main window and the settings dialog wired as the program wires them, over fakes.
struct ProgramForms {
    FakeServices fakes;
    TForm1 form1{fakes.services()};
    TForm2 form2{[this](const QString& initial) { return form1.ChooseFolder(initial); }, &form1};
    Ui::TForm1& ui = *form1.controls();
    Ui::TForm2& settings = *form2.controls();

    ProgramForms() { form1.setForm2(&form2); }

    // The Name column, top to bottom.
    QStringList names() const
    {
        QStringList out;
        for (int r = 0; r < form1.fileList().size(); ++r)
            out << form1.fileList().entry(r).name;
        return out;
    }

    // Add with these files picked in the dialog.
    void add(const QStringList& files, const QString& filter = {})
    {
        fakes.dialogs.openAnswers.push_back(platform::OpenFileResult{files, filter});
        ui.SpeedButton3->click();
    }
};

// Writes a small file and returns its path.
inline QString makeFile(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("deck");
    return path;
}

}  // namespace lectavo::testing
