#pragma once
#include "app/Dialogs.h"

#include <memory>

class TNewDesignWizard;

// The real dialogs, shown with Qt, captioned "Vireldo".
class QtDialogs : public AppDialogs {
  public:
    QtDialogs();
    ~QtDialogs() override;
    void Message(const std::string& text, MessageKind kind) override;
    DialogAnswer YesNo(const std::string& text) override;
    DialogAnswer YesNoCancel(const std::string& text) override;
    RecoveryChoice AskRecovery(const std::string& text) override;
    std::string OpenFile(const FileDialogRequest& request) override;
    std::string SaveFile(const FileDialogRequest& request) override;
    NewDesignAnswer NewDesignWizard(const NewDesignRequest& request) override;
    bool NewRoomWizard(RoomOutlineRequest& request, bool metric) override;
    bool AskText(std::string& text, std::string& size) override;
    int ChooseFromList(const std::string& title, const std::vector<std::string>& items,
                       const std::function<void(int)>& highlighted, int selected) override;
    bool AskBrandCode(std::string& code) override;
    bool ChooseColour(uint32_t& colour) override;
    bool AskCar(CarPreset& car) override;
    bool PageSetup(QPrinter& printer) override;
    bool Print(QPrinter& printer) override;

  private:
    std::unique_ptr<TNewDesignWizard> Wizard; // created once, shown again and again
};
