#include "ProgramEntry.h"

#include "Appl.h"
#include "Caption.h"
#include "DesignCommands.h"
#include "Recovery.h"
#include "ui/Main.h"
#include "ui/QtDialogs.h"
#include "ui/Splash.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <exception>

namespace {

// The splash stays on top of every window: it goes before any dialog of the
// start-up shows, or it would hide it.
class SplashFirstDialogs : public AppDialogs {
  public:
    SplashFirstDialogs(std::unique_ptr<AppDialogs> inner, QWidget& splash)
        : Inner(std::move(inner)), Splash(&splash) {}

    void Message(const std::string& text, MessageKind kind) override {
        CloseSplash();
        Inner->Message(text, kind);
    }
    DialogAnswer YesNo(const std::string& text) override {
        CloseSplash();
        return Inner->YesNo(text);
    }
    DialogAnswer YesNoCancel(const std::string& text) override {
        CloseSplash();
        return Inner->YesNoCancel(text);
    }
    RecoveryChoice AskRecovery(const std::string& text) override {
        CloseSplash();
        return Inner->AskRecovery(text);
    }
    std::string OpenFile(const FileDialogRequest& request) override {
        CloseSplash();
        return Inner->OpenFile(request);
    }
    std::string SaveFile(const FileDialogRequest& request) override {
        CloseSplash();
        return Inner->SaveFile(request);
    }
    NewDesignAnswer NewDesignWizard(const NewDesignRequest& request) override {
        CloseSplash();
        return Inner->NewDesignWizard(request);
    }
    bool NewRoomWizard(RoomOutlineRequest& request, bool metric) override {
        return Inner->NewRoomWizard(request, metric);
    }
    bool AskText(std::string& text, std::string& size) override {
        return Inner->AskText(text, size);
    }
    bool ChooseColour(uint32_t& colour) override { return Inner->ChooseColour(colour); }
    bool AskCar(CarPreset& car) override { return Inner->AskCar(car); }
    bool AskBrandCode(std::string& code) override { return Inner->AskBrandCode(code); }
    int ChooseFromList(const std::string& title, const std::vector<std::string>& items,
                       const std::function<void(int)>& highlighted, int selected) override {
        return Inner->ChooseFromList(title, items, highlighted, selected);
    }
    bool PageSetup(QPrinter& printer) override { return Inner->PageSetup(printer); }
    bool Print(QPrinter& printer) override { return Inner->Print(printer); }

  private:
    void CloseSplash() {
        if (Splash)
            Splash->close();
    }
    std::unique_ptr<AppDialogs> Inner;
    QPointer<QWidget> Splash;
};

int RunWindows(A_APPL& appl, const std::string& commandLine) {
    TSplashForm splash;
    appl.SetDialogs(std::make_unique<SplashFirstDialogs>(appl.TakeDialogs(), splash));
    const bool withFile = !commandLine.empty();
    appl.Design.Design.FileName = withFile ? commandLine : UNTITLED_DESIGN;
    if (!withFile) {
        splash.show();
        splash.repaint();
        QApplication::processEvents();
    }
    appl.CurrentTab = TAB_DESIGN;
    appl.SetCurrentPanel(&appl.Design);
    // No display name: the platform would add it to every caption.
    QApplication::setApplicationName(APPLICATION_TITLE);
    TMainForm mainForm(appl);
    if (!mainForm.Started())
        return 0;
    splash.hide();
    splash.close();
    mainForm.show();
    StartRecovery(appl);
    const bool recovered = OfferRecovery(appl);
    if (appl.WizardStartup && !withFile && !recovered)
        NewDesignWizardCommand(appl);
    QApplication::exec();
    StopRecovery(appl);
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
