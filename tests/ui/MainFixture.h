#pragma once
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "app/Appl.h"
#include "edit/StatusBar.h"
#include "ui/Main.h"

#include <QAction>
#include <memory>

// A main window over the shipped definitions, with scripted dialogs and a
// settings file of its own.
struct MainFixture {
    TempDir Dir;
    std::unique_ptr<A_APPL> Appl;
    ScriptedDialogs* Dialogs = nullptr;
    std::unique_ptr<TMainForm> Form;

    explicit MainFixture(const std::string& programDir = "") {
        Start(programDir.empty() ? ProgramFolderCopy(Dir, VIRELDO_DATA) : programDir);
    }

    void Start(const std::string& programDir) {
        Form.reset();
        Appl = std::make_unique<A_APPL>(programDir);
        Appl->SettingsFile = Dir.File("settings.ini");
        Appl->RecoveryDir = Dir.File("recovery");
        auto dialogs = std::make_unique<ScriptedDialogs>();
        Dialogs = dialogs.get();
        Appl->SetDialogs(std::move(dialogs));
        Appl->SetCurrentPanel(&Appl->Design);
        Appl->CurrentTab = TAB_DESIGN;
        Form = std::make_unique<TMainForm>(*Appl);
    }
    // Closes this run (writing the settings) and starts the next one.
    void Restart() {
        Form.reset();
        Start(Appl->ProgramDir);
    }

    QAction* Action(const char* name) { return Form->findChild<QAction*>(name); }
    void Trigger(const char* name) { Action(name)->trigger(); }
    QString Status(int panel) { return Form->StatusBar->PanelText(panel); }
    T_DESIGN& Design() { return Appl->Design.Design; }

    // A design file of the shipped 1:32 system with one track of n straights.
    std::string DesignFile(const std::string& name, int n = 2) {
        std::string text = "S132SPORT\n0\n0\n1\n0\n0\n0\n0\n" + std::to_string(n) + "\n";
        for (int i = 0; i < n; ++i)
            text += "S350\n0\n0\n";
        text += "0\n";
        WriteFile(Dir.File(name), text);
        return Dir.File(name);
    }
};
