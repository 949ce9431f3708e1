#pragma once
#include "room/Newroom.h"
#include "sim/LapSimulation.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QPrinter;

enum class DialogAnswer { Yes, No, Cancel, Ok };

// What the start does with the copies a crashed program left.
enum class RecoveryChoice { Recover, Discard, Later };

// The icon of a message: a failure shows as an error, a refusal as a warning.
enum class MessageKind { Information, Warning, Error };

// What a file dialog shows: title, filter ("Name|*.ext|All Files|*.*"),
// default extension and start folder.
struct FileDialogRequest {
    std::string Title;
    std::string Filter;
    std::string DefaultExt;
    std::string StartDir;
    std::string FileName;
};

// What the new design wizard starts with, and what the user chose.
struct NewDesignRequest {
    std::vector<std::string> Brands; // descriptions, in library order
    int Selected = 0;
    bool OpenAtStartup = true;
};
struct NewDesignAnswer {
    bool Ok = false;
    int Brand = 0;
    int Lanes = 2; // 2, 4, 6, 8 or 10
    bool OpenAtStartup = true;
};

// Every message box and dialog of the program goes through this, so that
// tests can answer them without a modal window. Captions are always "Vireldo".
class AppDialogs {
  public:
    virtual ~AppDialogs() = default;
    virtual void Message(const std::string& text, MessageKind kind) = 0;
    virtual DialogAnswer YesNo(const std::string& text) = 0;
    virtual DialogAnswer YesNoCancel(const std::string& text) = 0;
    // Recover, Discard or Later, for the copies the text lists.
    virtual RecoveryChoice AskRecovery(const std::string& text) = 0;
    // Empty when the user cancelled.
    virtual std::string OpenFile(const FileDialogRequest& request) = 0;
    virtual std::string SaveFile(const FileDialogRequest& request) = 0;
    virtual NewDesignAnswer NewDesignWizard(const NewDesignRequest& request) = 0;
    // The new room wizard, its units by the Metric setting; false unless OK.
    virtual bool NewRoomWizard(RoomOutlineRequest& request, bool metric) = 0;
    // One item of a list, `selected` the current one at first; highlighted
    // runs whenever an item becomes the current one. The chosen index, or -1
    // when cancelled.
    virtual int ChooseFromList(const std::string& title, const std::vector<std::string>& items,
                               const std::function<void(int)>& highlighted, int selected = 0) = 0;
    // "Ask Brand Code": a code in capitals; false when cancelled.
    virtual bool AskBrandCode(std::string& code) = 0;
    // The freehand text dialog with a text and a size; false unless closed with OK.
    virtual bool AskText(std::string& text, std::string& size) = 0;
    // "Car...": a preset by name or "Custom" with the four values; false
    // when cancelled.
    virtual bool AskCar(CarPreset& car) = 0;
    // The colour of new shapes; false when cancelled. Colours are 0xRRGGBB.
    virtual bool ChooseColour(uint32_t& colour) = 0;
    // The printer set-up and print dialogs; false when cancelled.
    virtual bool PageSetup(QPrinter& printer) = 0;
    virtual bool Print(QPrinter& printer) = 0;
};
