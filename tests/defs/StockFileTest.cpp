#include "defs/StockFile.h"
#include "TestFiles.h"
#include "base/TextWriter.h"
#include "defs/Definitions.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<L_DEFINITIONS> TwoBrands() {
    auto library = std::make_unique<L_DEFINITIONS>();
    for (const char* name : {"A", "B"}) {
        L_BRAND* brand = library->AddBrand();
        brand->Name = name;
        for (const char* code : {"S1", "C1", "S1"})
            brand->AddPart()->Code = code;
    }
    return library;
}

void LoadFrom(L_DEFINITIONS& library, const std::string& content) {
    TempDir dir;
    WriteFile(dir.Dir() + STOCK_FILE_NAME, content);
    LoadStock(library, dir.Dir());
}

} // namespace

TEST(StockFile, Layout) {
    auto library = TwoBrands();
    library->Brands[0]->Parts[1].Stock = 7;
    library->Brands[1]->Parts[0].Stock = -2;
    TextWriter out;
    WriteStock(*library, out);
    EXPECT_EQ(out.Content(), CrLf({"# VIRELDO Stock Table",
                                   "#",
                                   "# Number of BRANDS",
                                   "2",
                                   "#",
                                   "# BRAND DEF",
                                   "A",
                                   "# Number of parts",
                                   "3",
                                   "#",
                                   "# Stock",
                                   "S1",
                                   "0",
                                   "# Stock",
                                   "C1",
                                   "7",
                                   "# Stock",
                                   "S1",
                                   "0",
                                   "#",
                                   "# BRAND DEF",
                                   "B",
                                   "# Number of parts",
                                   "3",
                                   "#",
                                   "# Stock",
                                   "S1",
                                   "-2",
                                   "# Stock",
                                   "C1",
                                   "0",
                                   "# Stock",
                                   "S1",
                                   "0"}));
}

TEST(StockFile, CountsFindTheirPartsByBrandAndCode) {
    auto library = TwoBrands();
    // Another order than the library, a code that occurs twice, unknown entries,
    // a negative count.
    LoadFrom(*library, "3\nB\n2\nC1\n5\nS1\n-3\nGONE\n1\nS1\n9\nA\n3\nX9\n4\nS1\n2\nC1\n8\n");
    EXPECT_EQ(library->Brands[0]->Parts[0].Stock, 2);
    EXPECT_EQ(library->Brands[0]->Parts[1].Stock, 8);
    EXPECT_EQ(library->Brands[0]->Parts[2].Stock, 0); // the second S1 is never found
    EXPECT_EQ(library->Brands[1]->Parts[0].Stock, -3);
    EXPECT_EQ(library->Brands[1]->Parts[1].Stock, 5);
}

TEST(StockFile, RenamedBrandLosesItsCounts) {
    auto library = TwoBrands();
    library->Brands[0]->Name = "A2";
    LoadFrom(*library, "1\nA\n1\nS1\n6\n");
    EXPECT_EQ(library->Brands[0]->Parts[0].Stock, 0);
}

TEST(StockFile, MissingOrTruncatedFileKeepsTheCounts) {
    auto library = TwoBrands();
    library->Brands[0]->Parts[0].Stock = 3;
    LoadStock(*library, "/nonexistent/");
    EXPECT_EQ(library->Brands[0]->Parts[0].Stock, 3);
    LoadFrom(*library, "2000000000\nA\n2000000000\nC1\n");
    EXPECT_EQ(library->Brands[0]->Parts[1].Stock, 0);
    EXPECT_EQ(library->Brands[0]->Parts[0].Stock, 3);
}

TEST(StockFile, SaveThenLoadRestoresEveryCount) {
    TempDir dir;
    auto library = TwoBrands();
    library->Brands[1]->Parts[1].Stock = 12;
    ASSERT_TRUE(SaveStock(*library, dir.Dir()));
    auto reread = TwoBrands();
    LoadStock(*reread, dir.Dir());
    EXPECT_EQ(reread->Brands[1]->Parts[1].Stock, 12);
    EXPECT_FALSE(SaveStock(*library, dir.Dir() + "missing/"));
}
