#include "base/RecoveryStore.h"
#include "TestFiles.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

// A program that writes a copy of its design and is killed before it ends.
void KilledAfterWriting(const std::string& folder, const std::string& original) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RecoveryStore store(folder);
        store.Write("design", original, "the tracks", 1000);
        ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
}

} // namespace

TEST(RecoveryStore, TheCopiesOfAKilledProgramAreOffered) {
    TempDir dir;
    KilledAfterWriting(dir.Dir(), "/home/racer/oval.tr3");
    const std::vector<RecoveryCopy> copies = RecoveryStore::Orphans(dir.Dir());
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].Kind, "design");
    EXPECT_EQ(copies[0].OriginalName, "/home/racer/oval.tr3");
    EXPECT_EQ(copies[0].SavedAt, 1000);
    EXPECT_EQ(ReadFile(copies[0].File), "the tracks");
    RecoveryStore::Discard(copies[0]);
    EXPECT_TRUE(RecoveryStore::Orphans(dir.Dir()).empty());
    EXPECT_EQ(FilesIn(dir), 0); // the copy, its note and the dead program's lock
}

// Two programs at once: neither takes the other's copies for orphans, and
// a clean end leaves nothing.
TEST(RecoveryStore, RunningProgramsKeepTheirCopies) {
    TempDir dir;
    RecoveryStore first(dir.Dir());
    RecoveryStore second(dir.Dir());
    ASSERT_TRUE(first.Active());
    ASSERT_NE(first.Owner(), second.Owner());
    ASSERT_TRUE(first.Write("design", "a.tr3", "first's", 1));
    ASSERT_TRUE(second.Write("room", "b.rm3", "second's", 2));
    EXPECT_TRUE(RecoveryStore::Orphans(dir.Dir()).empty());
    first.Remove("design");
    second.RemoveAll();
    first.RemoveAll();
    EXPECT_EQ(FilesIn(dir), 0);
}

// Newest first; anything that is not a whole copy of a known kind is no copy.
TEST(RecoveryStore, OnlyWholeCopiesAreOfferedNewestFirst) {
    TempDir dir;
    {
        RecoveryStore older(dir.Dir());
        older.Write("design", "old.tr3", "old", 10);
        RecoveryStore newer(dir.Dir());
        newer.Write("room", "new.rm3", "new", 20);
        EXPECT_FALSE(newer.Write("pictures", "x", "y", 30)); // no such kind
    } // both end without cleaning up, as in a crash
    WriteFile(dir.File("1-2.design.info"), "lost.tr3\r\n5\r\n"); // its copy is missing
    WriteFile(dir.File("3-4.unknown.info"), "x\r\n5\r\n");
    WriteFile(dir.File("garbage.info"), "\x01\x02");
    const std::vector<RecoveryCopy> copies = RecoveryStore::Orphans(dir.Dir());
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].OriginalName, "new.rm3");
    EXPECT_EQ(copies[1].OriginalName, "old.tr3");
}

TEST(RecoveryStore, WithoutAFolderNothingIsKept) {
    TempDir dir;
    WriteFile(dir.File("file"), "not a folder");
    RecoveryStore store(dir.File("file/recovery"));
    EXPECT_FALSE(store.Active());
    EXPECT_FALSE(store.Write("design", "a.tr3", "x", 1));
    EXPECT_TRUE(RecoveryStore::Orphans(dir.File("file/recovery")).empty());
}
