#include "TestFiles.h"
#include "base/TextReader.h"
#include "base/TextValues.h"
#include "base/TextWriter.h"

#include <chrono>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(TextValues, ParseLongLikeAtol) {
    const struct {
        const char* Text;
        int64_t Value;
    } cases[] = {
        {"42", 42},  {"  -17", -17}, {"+8", 8},  {"12abc", 12},
        {"abc", 0},  {"", 0},        {"3.9", 3}, {"- 5", 0},
        {"\t7 ", 7}, {"--1", 0},     {"007", 7}, {"99999999999999999999999", INT64_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseLong(c.Text), c.Value) << c.Text;
}

TEST(TextValues, ParseDoubleLikeStrtod) {
    const struct {
        const char* Text;
        double Value;
    } cases[] = {
        {"12.500000", 12.5}, {" -3.25", -3.25}, {"1e2", 100.0}, {"7.3x", 7.3},
        {"abc", 0.0},        {"", 0.0},         {"+.5", 0.5},   {"12,5", 12.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ParseDouble(c.Text), c.Value) << c.Text;
    EXPECT_TRUE(std::isinf(ParseDouble("1e999")));
}

TEST(TextValues, TruncationNeverOverflows) {
    EXPECT_EQ(TruncToInt32(29.2), 29);
    EXPECT_EQ(TruncToInt32(-29.9), -29);
    EXPECT_EQ(TruncToInt32(1e300), INT32_MAX);
    EXPECT_EQ(TruncToInt32(-1e300), INT32_MIN);
    EXPECT_EQ(TruncToInt32(NAN), 0);
    EXPECT_EQ(ClampToInt32(int64_t(1) << 40), INT32_MAX);
}

TEST(TextValues, PixelsStopAtThePixelLimit) {
    EXPECT_EQ(TruncToPixel(-29.9), -29);
    EXPECT_EQ(TruncToPixel(PIXEL_LIMIT - 0.5), PIXEL_LIMIT - 1);
    EXPECT_EQ(TruncToPixel(1e30), PIXEL_LIMIT);
    EXPECT_EQ(TruncToPixel(-INFINITY), -PIXEL_LIMIT);
    EXPECT_EQ(TruncToPixel(NAN), 0);
}

TEST(TextValues, FormatsInTheCLocaleWhateverTheUserLocale) {
    // A user locale with a decimal comma must not change the files.
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(FormatFloat(12.5), "12.500000");
    EXPECT_EQ(FormatFloat(-0.1f), "-0.100000");
    EXPECT_DOUBLE_EQ(ParseDouble("22.5"), 22.5);
    if (german)
        std::setlocale(LC_ALL, "C");
    EXPECT_EQ(FormatFloat(static_cast<float>(52.31)), "52.310001");
    EXPECT_EQ(FormatInt(-7), "-7");
}

TEST(TextValues, NamesForMessagesAreShortAndPrintable) {
    const struct {
        std::string Name;
        std::string Shown;
    } cases[] = {{"S132SPORT", "S132SPORT"},
                 {std::string("A\x01\tB\x7F", 5), "A??B?"},
                 {std::string(64, 'x'), std::string(64, 'x')},
                 {std::string(65, 'x'), std::string(64, 'x') + "..."},
                 {std::string("\xB0"
                              "C"),
                  "\xB0"
                  "C"}}; // Latin-1 letters stay
    for (const auto& c : cases)
        EXPECT_EQ(NameForMessage(c.Name), c.Shown);
}

TEST(TextReader, SkipsCommentsAndAcceptsBothLineEnds) {
    TempDir dir;
    WriteFile(dir.File("f"), "# head\r\n#\n12\r\n# label\n\n#x\r\n text with blank \r\n"
                             "last without end");
    TextReader in(dir.File("f"));
    ASSERT_TRUE(in.IsOpen());
    EXPECT_EQ(in.ReadInt(), 12);
    EXPECT_EQ(in.ReadText(), ""); // an empty line is an ordinary value
    EXPECT_EQ(in.ReadText(), " text with blank ");
    EXPECT_EQ(in.ReadText(), "last without end");
    EXPECT_FALSE(in.AtEnd());
    EXPECT_EQ(in.ReadInt(), 0);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.ReadText(), "");
    EXPECT_DOUBLE_EQ(in.ReadFloat(), 0.0);
}

TEST(TextReader, ReadsLongLinesWhole) {
    TempDir dir;
    const std::string longText(500, 'x');
    WriteFile(dir.File("f"), longText + "\r\n5\r\n");
    TextReader in(dir.File("f"));
    EXPECT_EQ(in.ReadText(), longText);
    EXPECT_EQ(in.ReadInt(), 5); // the next value stays in step
}

TEST(TextReader, TruncatesFloatLinesForIntegerFields) {
    TempDir dir;
    WriteFile(dir.File("f"), "3.9\n-2.7\n1e40\n");
    TextReader in(dir.File("f"));
    EXPECT_EQ(in.ReadTruncated(), 3);
    EXPECT_EQ(in.ReadTruncated(), -2);
    EXPECT_EQ(in.ReadTruncated(), INT32_MAX);
}

TEST(TextReader, MissingFileIsNotOpenAndReadsEmpty) {
    TextReader in("/nonexistent/folder/file");
    EXPECT_FALSE(in.IsOpen());
    EXPECT_EQ(in.ReadText(), "");
    EXPECT_TRUE(in.AtEnd());
}

TEST(TextWriter, WritesCrLfAfterEveryLine) {
    TextWriter out;
    out.Line("# label");
    out.Int(-3);
    out.Float(12.5);
    EXPECT_EQ(out.Content(), CrLf({"# label", "-3", "12.500000"}));
}

TEST(TextWriter, CommitReplacesTheFileWhole) {
    TempDir dir;
    WriteFile(dir.File("f"), "old");
    TextWriter out;
    out.Line("new");
    ASSERT_TRUE(out.Commit(dir.File("f")));
    EXPECT_EQ(ReadFile(dir.File("f")), "new\r\n");
    EXPECT_EQ(FilesIn(dir), 1); // no temporary file left
}

TEST(TextWriter, CommitThroughALinkUpdatesItsTarget) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("real"));
    WriteFile(dir.File("real/design.tr3"), "old");
    std::filesystem::create_symlink("real/design.tr3", dir.File("link.tr3"));
    TextWriter out;
    out.Line("new");
    ASSERT_TRUE(out.Commit(dir.File("link.tr3")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.tr3")));
    EXPECT_EQ(ReadFile(dir.File("real/design.tr3")), "new\r\n");
}

TEST(TextWriter, CommitKeepsPermissionsAndRefusesReadOnlyFiles) {
    namespace fs = std::filesystem;
    TempDir dir;
    WriteFile(dir.File("private"), "old");
    fs::permissions(dir.File("private"), fs::perms::owner_read | fs::perms::owner_write);
    TextWriter out;
    out.Line("new");
    ASSERT_TRUE(out.Commit(dir.File("private")));
    EXPECT_EQ(fs::status(dir.File("private")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    WriteFile(dir.File("readonly"), "old");
    fs::permissions(dir.File("readonly"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(out.Commit(dir.File("readonly")));
    EXPECT_EQ(ReadFile(dir.File("readonly")), "old");
}

TEST(TextWriter, CommitNeverWritesThroughAPlantedLink) {
    TempDir dir;
    WriteFile(dir.File("victim"), "precious");
    WriteFile(dir.File("f"), "old");
    std::filesystem::create_symlink(dir.File("victim"), dir.File("f.saving~"));
    TextWriter out;
    out.Line("new");
    ASSERT_TRUE(out.Commit(dir.File("f")));
    EXPECT_EQ(ReadFile(dir.File("victim")), "precious");
    EXPECT_EQ(ReadFile(dir.File("f")), "new\r\n");
}

TEST(TextWriter, FailedCommitLeavesTheOldFile) {
    TempDir dir;
    // A folder where the target file should be: the rename cannot replace it.
    std::filesystem::create_directories(dir.File("target/inner"));
    TextWriter out;
    out.Line("new");
    EXPECT_FALSE(out.Commit(dir.File("target")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("target/inner")));
    EXPECT_EQ(FilesIn(dir), 1); // the folder only: the temporary file is gone
    EXPECT_FALSE(out.Commit(dir.File("missing/folder/file")));
}

// A save killed mid-write leaves ".NAME.vireldo-XXXXXX"; the next save to
// NAME removes such leftovers once they are a minute old, and nothing else.
TEST(TextWriter, CommitRemovesItsOwnOldLeftovers) {
    namespace fs = std::filesystem;
    TempDir dir;
    WriteFile(dir.File("t.tr3"), "old");
    const auto aged = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    struct Entry {
        const char* Name;
        bool Old;
        bool Removed;
    };
    const Entry entries[] = {
        {".t.tr3.vireldo-AbC123", true, true},      // a leftover of a killed save
        {".t.tr3.vireldo-XyZ789", false, false},    // young: maybe a save under way
        {".t.tr3.backup", true, false},             // the user's own
        {".t.tr3.vireldo-AbC12", true, false},      // one character short
        {".t.tr3.vireldo-AbC12-", true, false},     // not what the system puts
        {".other.tr3.vireldo-AbC123", true, false}, // another file's
        {"t.tr3.vireldo-AbC123", true, false},      // not hidden
    };
    for (const Entry& e : entries) {
        WriteFile(dir.File(e.Name), "x");
        if (e.Old)
            fs::last_write_time(dir.File(e.Name), aged);
    }
    fs::create_directory(dir.File(".t.tr3.vireldo-Dir123"));
    fs::last_write_time(dir.File(".t.tr3.vireldo-Dir123"), aged);
    WriteFile(dir.File("victim"), "precious");
    fs::create_symlink(dir.File("victim"), dir.File(".t.tr3.vireldo-Lnk123"));
    TextWriter out;
    out.Line("new");
    ASSERT_TRUE(out.Commit(dir.File("t.tr3")));
    for (const Entry& e : entries)
        EXPECT_EQ(fs::exists(dir.File(e.Name)), !e.Removed) << e.Name;
    EXPECT_TRUE(fs::is_directory(dir.File(".t.tr3.vireldo-Dir123")));
    EXPECT_TRUE(fs::is_symlink(dir.File(".t.tr3.vireldo-Lnk123")));
    EXPECT_EQ(ReadFile(dir.File("victim")), "precious");
}

// A saved file keeps its mode; a new one gets what the umask leaves of 0666.
TEST(TextWriter, CommitKeepsTheModeAndANewFileFollowsTheUmask) {
    namespace fs = std::filesystem;
    TempDir dir;
    TextWriter out;
    out.Line("new");
    for (const mode_t mode : {mode_t(0644), mode_t(0664)}) {
        WriteFile(dir.File("kept"), "old");
        ASSERT_EQ(::chmod(dir.File("kept").c_str(), mode), 0);
        ASSERT_TRUE(out.Commit(dir.File("kept")));
        struct stat info {};
        ASSERT_EQ(::stat(dir.File("kept").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
    }
    for (const mode_t mask : {mode_t(022), mode_t(002), mode_t(077)}) {
        const mode_t before = ::umask(mask);
        const std::string fresh = dir.File("fresh" + std::to_string(mask));
        const bool written = out.Commit(fresh);
        ::umask(before);
        ASSERT_TRUE(written);
        struct stat info {};
        ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0666 & ~mask) << "umask " << mask;
    }
}
