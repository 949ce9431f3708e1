#pragma once
#include <string>

enum class DialogAnswer { Yes, No, Cancel, Ok };

// What a file dialog shows: title, filter ("Name|*.ext|All Files|*.*"),
// default extension and start folder.
struct FileDialogSpec {
    std::string Title;
    std::string Filter;
    std::string DefaultExt;
    std::string StartDir;
    std::string FileName;
};

// Every message box and file dialog of the program goes through this, so that
// tests can answer them without a modal window. Captions are always "Vireldo".
class AppDialogs {
  public:
    virtual ~AppDialogs() = default;
    virtual void Message(const std::string& text) = 0;
    virtual DialogAnswer YesNo(const std::string& text) = 0;
    virtual DialogAnswer YesNoCancel(const std::string& text) = 0;
    // Empty when the user cancelled.
    virtual std::string OpenFile(const FileDialogSpec& spec) = 0;
    virtual std::string SaveFile(const FileDialogSpec& spec) = 0;
};

// The real dialogs, shown with Qt.
class QtDialogs : public AppDialogs {
  public:
    void Message(const std::string& text) override;
    DialogAnswer YesNo(const std::string& text) override;
    DialogAnswer YesNoCancel(const std::string& text) override;
    std::string OpenFile(const FileDialogSpec& spec) override;
    std::string SaveFile(const FileDialogSpec& spec) override;
};
