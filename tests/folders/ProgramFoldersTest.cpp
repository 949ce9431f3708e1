#include "folders/ProgramFolders.h"
#include "TestFiles.h"
#include "defs/DefinitionsFile.h"
#include "defs/StockFile.h"

#include "defs/Definitions.h"
#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// An installed program: bin/ without data, share/vireldo/ read-only with the
// shipped definitions and manual, and a home of its own.
struct Installed {
    TempDir Root;
    std::string Bin = Root.File("prefix/bin") + "/";
    std::string Shared = Root.File("prefix/share/vireldo") + "/";
    std::string Shipped;

    Installed() {
        fs::create_directories(Bin);
        fs::create_directories(Shared + "Manual");
        fs::copy_file(std::string(VIRELDO_DATA) + DEFINITIONS_FILE_NAME,
                      Shared + DEFINITIONS_FILE_NAME);
        WriteFile(Shared + "Manual/index.html", "<html></html>");
        Shipped = ReadFile(Shared + DEFINITIONS_FILE_NAME);
        fs::permissions(Shared + DEFINITIONS_FILE_NAME,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(Root.File("home")));
    }
    ~Installed() { qunsetenv("XDG_DATA_HOME"); }
};

} // namespace

TEST(ProgramFolders, APortableFolderKeepsEverythingBesideTheProgram) {
    TempDir dir;
    fs::copy_file(std::string(VIRELDO_DATA) + DEFINITIONS_FILE_NAME,
                  dir.File(DEFINITIONS_FILE_NAME));
    const ProgramFolders folders = FindProgramFolders(dir.Dir());
    EXPECT_EQ(folders.Data, dir.Dir());
    EXPECT_EQ(folders.Help, dir.Dir());
}

TEST(ProgramFolders, AnInstalledProgramWorksOnTheUsersCopy) {
    Installed installed;
    const ProgramFolders first = FindProgramFolders(installed.Bin);
    const std::string user = installed.Root.File("home/vireldo") + "/";
    EXPECT_EQ(first.Data, user);
    EXPECT_EQ(first.Help, installed.Shared);
    EXPECT_EQ(ReadFile(user + DEFINITIONS_FILE_NAME), installed.Shipped); // copied once
    // A later start reads the copy as the user left it.
    WriteFile(user + DEFINITIONS_FILE_NAME, installed.Shipped + "# changed\r\n");
    EXPECT_EQ(FindProgramFolders(installed.Bin).Data, user);
    EXPECT_NE(ReadFile(user + DEFINITIONS_FILE_NAME), installed.Shipped);
    // Saving writes the copy; the shipped files stay as they were.
    auto library = std::make_unique<L_DEFINITIONS>();
    LoadDefinitions(*library, first.Data);
    ASSERT_GT(library->Count, 0);
    library->Brands[0]->Parts[0].Stock = 7;
    EXPECT_TRUE(SaveDefinitions(*library, first.Data));
    EXPECT_TRUE(SaveStock(*library, first.Data));
    EXPECT_TRUE(fs::exists(user + STOCK_FILE_NAME));
    EXPECT_EQ(ReadFile(installed.Shared + DEFINITIONS_FILE_NAME), installed.Shipped);
    EXPECT_FALSE(fs::exists(installed.Shared + STOCK_FILE_NAME));
}

TEST(ProgramFolders, WithoutShippedDataTheProgramFolderIsKept) {
    TempDir dir;
    EXPECT_EQ(FindProgramFolders(dir.Dir()).Data, dir.Dir()); // start-up then says what is missing
}

TEST(ProgramFolders, AFileManagerMayPassAnAddress) {
    EXPECT_EQ(FileFromArgument("/home/me/oval.tr3"), "/home/me/oval.tr3");
    EXPECT_EQ(FileFromArgument("file:///home/me/my%20oval.tr3"), "/home/me/my oval.tr3");
    EXPECT_EQ(FileFromArgument("\"quoted.tr3\""), "\"quoted.tr3\"");
}
