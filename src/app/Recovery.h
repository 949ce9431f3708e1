#pragma once
#include "Dialogs.h"
#include "base/RecoveryStore.h"

#include <QThreadPool>
#include <QTimer>
#include <map>
#include <string>

class A_APPL;

// Crash recovery: while the design or the room has unsaved changes, a copy
// of it is kept in the user's data folder (at most every half minute, only
// after a change, written beside the editing); a save or a clean end removes
// it. At the next start the copies of a program that did not end cleanly are
// offered back.

constexpr int RECOVERY_INTERVAL_MS = 30000;

// The store, the last content of each kind handed to it, the one worker that
// writes the files in the order asked, and the timer.
class RecoveryKeeper {
  public:
    explicit RecoveryKeeper(const std::string& folder);
    ~RecoveryKeeper();
    // Copies content when it differs from the last copy; an empty content
    // (nothing unsaved) removes the copy.
    void Keep(const std::string& kind, const std::string& original, std::string content);
    void Flush();
    void RemoveAll();

    RecoveryStore Store;
    QTimer Timer;

  private:
    QThreadPool Worker;
    std::map<std::string, std::string> Last;
};

// Starts keeping copies (the folder: appl.RecoveryDir, else the user's data
// folder) and the timer that keeps them.
void StartRecovery(A_APPL& appl);
// The timer's work: a copy of whatever changed since the last one, or the
// removal of the copy of what is no longer changed. Returns at once; the
// files are written by a worker.
void KeepRecoveryCopies(A_APPL& appl);
// Waits until every copy asked for is on disc (tests, the clean end).
void FlushRecoveryCopies(A_APPL& appl);
// A clean end: every copy of this program goes.
void StopRecovery(A_APPL& appl);
// At the start: lists the copies left by programs that ended without
// cleaning up and recovers the newest design and room, discards them all or
// leaves them for later, as the user chooses. True when a design came back.
bool OfferRecovery(A_APPL& appl);
// The text of the start's question.
std::string RecoveryQuestion(const std::vector<RecoveryCopy>& copies);
