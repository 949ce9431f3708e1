#include "Recovery.h"

#include "Appl.h"
#include "Caption.h"
#include "DesignCommands.h"
#include "History.h"
#include "RoomCommands.h"
#include "base/TextWriter.h"
#include "base/UiText.h"
#include "design/DesignFile.h"
#include "folders/ProgramFolders.h"
#include "room/Room.h"

#include <ctime>

RecoveryKeeper::RecoveryKeeper(const std::string& folder) : Store(folder) {
    Worker.setMaxThreadCount(1);
}

RecoveryKeeper::~RecoveryKeeper() {
    Worker.waitForDone();
}

void RecoveryKeeper::Keep(const std::string& kind, const std::string& original,
                          std::string content) {
    std::string& last = Last[kind];
    if (content == last)
        return;
    last = content;
    const long long now = std::time(nullptr);
    Worker.start([this, kind, original, content = std::move(content), now] {
        if (content.empty())
            Store.Remove(kind);
        else
            Store.Write(kind, original, content, now);
    });
}

void RecoveryKeeper::Flush() {
    Worker.waitForDone();
}

void RecoveryKeeper::RemoveAll() {
    Worker.waitForDone();
    Store.RemoveAll();
    Last.clear();
}

namespace {

std::string RecoveryFolder(const A_APPL& appl) {
    return appl.RecoveryDir.empty() ? UserDataFolder() + "recovery/" : appl.RecoveryDir;
}

std::string DesignContent(A_APPL& appl) {
    C_VIRELDO& design = appl.Design;
    if (!design.Design.IsModified() && !design.Freehand.Changed)
        return {};
    TextWriter out;
    WriteDesign(design.Design, design.Offset, design.Freehand, out);
    return out.Content();
}

std::string RoomContent(A_APPL& appl) {
    if (!appl.Room.Layer.Changed)
        return {};
    TextWriter out;
    WriteRoom(appl.Room, appl.Room.Offset, out);
    return out.Content();
}

std::string TimeText(long long seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    char text[32] = "";
    if (const std::tm* local = std::localtime(&t))
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", local);
    return text;
}

const RecoveryCopy* Newest(const std::vector<RecoveryCopy>& copies, const std::string& kind) {
    for (const RecoveryCopy& copy : copies) // newest first
        if (copy.Kind == kind)
            return &copy;
    return nullptr;
}

// The design of the copy, changed, under the name it had; its first save
// asks where to put it.
void RecoverDesign(A_APPL& appl, const RecoveryCopy& copy) {
    C_VIRELDO& design = appl.Design;
    design.Design.FileName = copy.File;
    const std::string message =
        LoadDesign(design.Design, appl.Library, design.Offset, design.Freehand);
    if (!message.empty())
        ShowAppMessage(appl, message);
    if (design.Design.Brand)
        design.Design.SetDesignBrand(design.Design.Brand);
    appl.SaveAsksName = true;
    DesignRecovered(appl, copy.OriginalName.empty() ? UNTITLED_DESIGN : copy.OriginalName);
}

void RecoverRoom(A_APPL& appl, const RecoveryCopy& copy) {
    appl.Room.RoomFileName = copy.File;
    LoadRoomFile(appl);
    appl.Room.RoomFileName = copy.OriginalName.empty() ? UNTITLED_ROOM : copy.OriginalName;
    appl.Room.Layer.Changed = true;
    FitRoomView(appl);
}

} // namespace

void StartRecovery(A_APPL& appl) {
    appl.Recovery = std::make_unique<RecoveryKeeper>(RecoveryFolder(appl));
    QTimer& timer = appl.Recovery->Timer;
    QObject::connect(&timer, &QTimer::timeout, [&appl] { KeepRecoveryCopies(appl); });
    timer.start(RECOVERY_INTERVAL_MS);
}

void KeepRecoveryCopies(A_APPL& appl) {
    if (!appl.Recovery || !appl.Recovery->Store.Active())
        return;
    appl.Recovery->Keep("design", appl.Design.Design.FileName, DesignContent(appl));
    appl.Recovery->Keep("room", appl.Room.RoomFileName, RoomContent(appl));
}

void FlushRecoveryCopies(A_APPL& appl) {
    if (appl.Recovery)
        appl.Recovery->Flush();
}

void StopRecovery(A_APPL& appl) {
    if (!appl.Recovery)
        return;
    appl.Recovery->Timer.stop();
    appl.Recovery->RemoveAll();
    appl.Recovery.reset();
}

std::string RecoveryQuestion(const std::vector<RecoveryCopy>& copies) {
    std::string text =
        std::string(
            Texts::Mark("Vireldo did not end properly last time. It kept these unsaved changes:")) +
        "\n";
    for (const RecoveryCopy& copy : copies)
        text += "\n" + copy.Kind + " " +
                (copy.OriginalName.empty() ? std::string(Texts::Mark("(never saved)"))
                                           : copy.OriginalName) +
                ", " + TimeText(copy.SavedAt);
    return text + "\n\n" +
           Texts::Mark("Recover brings back the newest design and room; Discard deletes the "
                       "copies; Later asks again at the next start.");
}

bool OfferRecovery(A_APPL& appl) {
    const std::vector<RecoveryCopy> copies = RecoveryStore::Orphans(RecoveryFolder(appl));
    if (copies.empty())
        return false;
    const RecoveryChoice choice = appl.Dialogs().AskRecovery(RecoveryQuestion(copies));
    if (choice == RecoveryChoice::Later)
        return false;
    const RecoveryCopy* design = Newest(copies, "design");
    const RecoveryCopy* room = Newest(copies, "room");
    if (choice == RecoveryChoice::Recover) {
        if (design)
            RecoverDesign(appl, *design);
        if (room)
            RecoverRoom(appl, *room);
        // What came back is copied again, now as this program's own.
        KeepRecoveryCopies(appl);
    }
    for (const RecoveryCopy& copy : copies)
        if (choice == RecoveryChoice::Discard || &copy == design || &copy == room)
            RecoveryStore::Discard(copy);
    return choice == RecoveryChoice::Recover && design;
}
