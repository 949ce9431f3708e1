#include "ProgramEntry.h"

#include "Appl.h"
#include "Caption.h"
#include "DesignCommands.h"
#include "ui/Main.h"
#include "ui/QtDialogs.h"
#include "ui/Splash.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace {

int RunWindows(A_APPL& appl, const std::string& commandLine) {
    TSplashForm splash;
    const bool withFile = !commandLine.empty();
    appl.Design.Design.FileName = withFile ? commandLine : UNTITLED_DESIGN;
    if (!withFile) {
        splash.show();
        splash.repaint();
        QApplication::processEvents();
    }
    appl.CurrentTab = TAB_DESIGN;
    appl.SetCurrentPanel(&appl.Design);
    QApplication::setApplicationName(APPLICATION_TITLE);
    QApplication::setApplicationDisplayName(APPLICATION_TITLE);
    TMainForm mainForm(appl);
    if (!mainForm.Started())
        return 0;
    splash.hide();
    splash.close();
    mainForm.show();
    if (appl.WizardStartup && appl.Design.Design.FileName == UNTITLED_DESIGN)
        NewDesignWizardCommand(appl);
    QApplication::exec();
    return 0;
}

} // namespace

int ProgramEntry(A_APPL& appl, const std::string& commandLine) {
    if (!appl.HasDialogs())
        appl.SetDialogs(std::make_unique<QtDialogs>());
    try {
        return RunWindows(appl, commandLine);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, APPLICATION_TITLE, QString::fromLocal8Bit(error.what()));
        return 0;
    }
}
