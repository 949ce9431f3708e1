#pragma once
#include "app/Dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

// Answers the program's dialogs from a script and records what they said.
class ScriptedDialogs : public AppDialogs {
  public:
    std::vector<std::string> Messages; // every message box text, in order
    std::vector<MessageKind> Kinds;    // the icon of every Message, in order
    std::deque<DialogAnswer> Answers;  // for YesNo and YesNoCancel, Cancel when empty
    std::deque<std::string> FileNames; // for the file dialogs, cancel when empty
    std::vector<FileDialogRequest> FileDialogs;
    std::deque<NewDesignAnswer> WizardAnswers; // closed without OK when empty
    std::vector<NewDesignRequest> WizardRequests;
    bool PrintAnswer = false;
    int PrintDialogs = 0;

    std::function<void()> OnMessage; // runs while a message would show

    void Message(const std::string& text, MessageKind kind) override {
        if (OnMessage)
            OnMessage();
        Messages.push_back(text);
        Kinds.push_back(kind);
    }
    DialogAnswer YesNo(const std::string& text) override { return Answer(text); }
    DialogAnswer YesNoCancel(const std::string& text) override { return Answer(text); }
    std::deque<RecoveryChoice> RecoveryAnswers; // Later when empty
    RecoveryChoice AskRecovery(const std::string& text) override {
        Messages.push_back(text);
        if (RecoveryAnswers.empty())
            return RecoveryChoice::Later;
        const RecoveryChoice choice = RecoveryAnswers.front();
        RecoveryAnswers.pop_front();
        return choice;
    }
    std::string OpenFile(const FileDialogRequest& request) override { return FileName(request); }
    std::string SaveFile(const FileDialogRequest& request) override { return FileName(request); }

    NewDesignAnswer NewDesignWizard(const NewDesignRequest& request) override {
        WizardRequests.push_back(request);
        NewDesignAnswer answer;
        answer.OpenAtStartup = request.OpenAtStartup;
        if (!WizardAnswers.empty()) {
            answer = WizardAnswers.front();
            WizardAnswers.pop_front();
        }
        return answer;
    }
    std::deque<RoomOutlineRequest> RoomAnswers; // closed without OK when empty
    std::vector<bool> RoomWizardMetric;         // the units each wizard showed
    bool NewRoomWizard(RoomOutlineRequest& request, bool metric) override {
        RoomWizardMetric.push_back(metric);
        if (RoomAnswers.empty())
            return false;
        request = RoomAnswers.front();
        RoomAnswers.pop_front();
        return true;
    }
    // The text dialog: each answer is the text and size typed, then OK; cancel
    // when none is left. What the dialog was shown with is kept.
    std::deque<std::pair<std::string, std::string>> TextAnswers;
    std::vector<std::pair<std::string, std::string>> TextShown;
    bool AskText(std::string& text, std::string& size) override {
        TextShown.emplace_back(text, size);
        if (TextAnswers.empty())
            return false;
        std::tie(text, size) = TextAnswers.front();
        TextAnswers.pop_front();
        return true;
    }
    // Lists: the index each answer chooses (after highlighting it); -1 when empty.
    std::deque<int> ListChoices;
    std::vector<std::vector<std::string>> ListsShown;
    std::vector<int> ListsSelected; // what each list showed selected at first
    int ChooseFromList(const std::string&, const std::vector<std::string>& items,
                       const std::function<void(int)>& highlighted, int selected) override {
        ListsShown.push_back(items);
        ListsSelected.push_back(selected);
        if (ListChoices.empty())
            return -1;
        const int chosen = ListChoices.front();
        ListChoices.pop_front();
        if (chosen >= 0)
            highlighted(chosen);
        return chosen;
    }
    std::deque<std::string> BrandCodes; // cancelled when empty
    bool AskBrandCode(std::string& code) override {
        if (BrandCodes.empty())
            return false;
        code = BrandCodes.front();
        BrandCodes.pop_front();
        return true;
    }
    std::deque<uint32_t> ColourAnswers; // cancelled when empty
    bool ChooseColour(uint32_t& colour) override {
        if (ColourAnswers.empty())
            return false;
        colour = ColourAnswers.front();
        ColourAnswers.pop_front();
        return true;
    }
    std::deque<CarPreset> CarAnswers; // cancelled when empty
    std::vector<CarPreset> CarsAsked; // what the dialog showed each time
    bool AskCar(CarPreset& car) override {
        CarsAsked.push_back(car);
        if (CarAnswers.empty())
            return false;
        car = CarAnswers.front();
        CarAnswers.pop_front();
        return true;
    }
    bool PageSetup(QPrinter&) override { return ++PrintDialogs, PrintAnswer; }
    bool Print(QPrinter&) override { return ++PrintDialogs, PrintAnswer; }

  private:
    DialogAnswer Answer(const std::string& text) {
        Messages.push_back(text);
        if (Answers.empty())
            return DialogAnswer::Cancel;
        const DialogAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    std::string FileName(const FileDialogRequest& request) {
        FileDialogs.push_back(request);
        if (FileNames.empty())
            return std::string();
        std::string name = FileNames.front();
        FileNames.pop_front();
        return name;
    }
};
