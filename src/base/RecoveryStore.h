#pragma once
#include <string>
#include <vector>

// The recovery copies of one running program: what the user changed since
// the last save, written beside the other programs' copies in one folder.
// Each program owns its copies by a name of its own and a lock it holds
// while it runs; the system lets go of the lock when the program ends in any
// way, so copies whose lock is free belong to a program that is gone.

// One copy: what it is ("design", "room", "definitions"), the file it came
// from, when it was written (seconds since 1970) and where it lies.
struct RecoveryCopy {
    std::string Owner;
    std::string Kind;
    std::string OriginalName;
    long long SavedAt = 0;
    std::string File;
};

class RecoveryStore {
  public:
    // Takes a fresh owner name in folder (created when missing). Without a
    // usable folder the store keeps nothing: Active() is false.
    explicit RecoveryStore(const std::string& folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    bool Active() const { return LockFd >= 0; }
    const std::string& Owner() const { return OwnerName; }

    // Replaces this program's copy of kind; false when it cannot be written.
    bool Write(const std::string& kind, const std::string& originalName, const std::string& content,
               long long savedAt);
    void Remove(const std::string& kind);
    // A clean end: no copy and no lock stays behind.
    void RemoveAll();

    // The copies of programs that are no longer running, newest first.
    static std::vector<RecoveryCopy> Orphans(const std::string& folder);
    static void Discard(const RecoveryCopy& copy);

  private:
    std::string Path(const std::string& name) const;
    std::string Folder;
    std::string OwnerName;
    int LockFd = -1;
};
