#include "defs/Definitions.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<L_DEFINITIONS> LibraryOf(std::initializer_list<const char*> names) {
    auto library = std::make_unique<L_DEFINITIONS>();
    for (const char* name : names) {
        L_BRAND* brand = library->AddBrand();
        brand->Name = name;
        L_PARTDEF* part = brand->AddPart();
        part->Code = std::string(name) + "-1";
        part->Silkscreen.Create().AddShape()->Text = name;
    }
    return library;
}

} // namespace

TEST(Definitions, NewEntriesHaveTheirDefaults) {
    auto library = std::make_unique<L_DEFINITIONS>();
    L_BRAND* brand = library->AddBrand();
    EXPECT_EQ(brand->Name, "BRAND");
    EXPECT_EQ(brand->Description, "New BRAND");
    EXPECT_TRUE(brand->Metric);
    EXPECT_EQ(brand->Lanes, 2);
    EXPECT_EQ(brand->PartSelectorZoom, 1.0f);
    EXPECT_EQ(brand->PartCount, 0);
    L_PARTDEF* part = brand->AddPart();
    EXPECT_EQ(part->Code, "PART");
    EXPECT_EQ(part->Description, "New Part");
    EXPECT_EQ(part->Type, PT_Straight);
    EXPECT_FALSE(part->Silkscreen);
}

TEST(Definitions, AddBrandRefusesTheThirtyThird) {
    auto library = std::make_unique<L_DEFINITIONS>();
    for (int i = 0; i < MAX_BRANDS; ++i)
        ASSERT_NE(library->AddBrand(), nullptr);
    EXPECT_EQ(library->AddBrand(), nullptr);
    EXPECT_EQ(library->Count, MAX_BRANDS);
}

TEST(Definitions, AddPartRefusesTheTwoHundredFiftySeventh) {
    auto library = LibraryOf({"A"});
    L_BRAND* brand = library->Brands[0];
    while (brand->PartCount < MAX_PARTDEFS)
        ASSERT_NE(brand->AddPart(), nullptr);
    EXPECT_EQ(brand->AddPart(), nullptr);
    EXPECT_EQ(brand->PartCount, MAX_PARTDEFS);
}

TEST(Definitions, DeletingTheFirstBrandMovesTheOthersWithTheirParts) {
    auto library = LibraryOf({"A", "B", "C"});
    L_BRAND* b = library->Brands[1];
    EXPECT_TRUE(library->DeleteBrand(library->Brands[0]));
    ASSERT_EQ(library->Count, 2);
    EXPECT_EQ(library->Brands[0]->Name, "B");
    EXPECT_EQ(library->Brands[1]->Name, "C");
    EXPECT_EQ(library->Brands[1]->Parts[0].Code, "C-1");
    EXPECT_EQ(library->Brands[1]->Parts[0].Silkscreen->Shapes[0].Text, "C");
    // A reference to a later brand still designates the same brand.
    EXPECT_EQ(b->Name, "B");
    EXPECT_EQ(library->IndexOfBrand(b), 0);
    EXPECT_FALSE(library->DeleteBrand(library->Brands[2])); // no longer in use
}

TEST(Definitions, BrandAddedAfterADeletionIsFresh) {
    auto library = LibraryOf({"A", "B"});
    library->DeleteBrand(library->Brands[0]);
    L_BRAND* brand = library->AddBrand();
    EXPECT_EQ(brand->Name, "BRAND");
    EXPECT_EQ(brand->PartCount, 0);
    L_PARTDEF* part = brand->AddPart();
    EXPECT_EQ(part->Code, "PART");
    EXPECT_EQ(part->Type, PT_Straight);
    EXPECT_EQ(part->Stock, 0);
    EXPECT_FALSE(part->Silkscreen);
}

TEST(Definitions, DeletePartMovesLaterPartsAndFreesTheSlot) {
    auto library = LibraryOf({"A"});
    L_BRAND* brand = library->Brands[0];
    for (const char* code : {"2", "3"})
        brand->AddPart()->Code = code;
    brand->Parts[2].Silkscreen.Create().AddShape()->Text = "three";
    EXPECT_TRUE(brand->DeletePart(&brand->Parts[1]));
    ASSERT_EQ(brand->PartCount, 2);
    EXPECT_EQ(brand->Parts[1].Code, "3");
    EXPECT_EQ(brand->Parts[1].Silkscreen->Shapes[0].Text, "three");
    EXPECT_FALSE(brand->DeletePart(&brand->Parts[2]));
    L_PARTDEF* fresh = brand->AddPart();
    EXPECT_EQ(fresh->Code, "PART");
    EXPECT_FALSE(fresh->Silkscreen);
}

TEST(Definitions, MovePartExchangesWholeEntriesWithinBounds) {
    auto library = LibraryOf({"A"});
    L_BRAND* brand = library->Brands[0];
    L_PARTDEF* second = brand->AddPart();
    second->Code = "2";
    second->Stock = 5;
    EXPECT_FALSE(brand->MovePartUp(&brand->Parts[0]));
    EXPECT_FALSE(brand->MovePartDown(&brand->Parts[1]));
    EXPECT_EQ(brand->Parts[0].Code, "A-1");
    EXPECT_TRUE(brand->MovePartUp(&brand->Parts[1]));
    EXPECT_EQ(brand->Parts[0].Code, "2");
    EXPECT_EQ(brand->Parts[0].Stock, 5);
    EXPECT_FALSE(brand->Parts[0].Silkscreen);
    EXPECT_EQ(brand->Parts[1].Silkscreen->Shapes[0].Text, "A");
    EXPECT_TRUE(brand->MovePartDown(&brand->Parts[0]));
    EXPECT_EQ(brand->Parts[1].Code, "2");
    L_PARTDEF stranger;
    EXPECT_FALSE(brand->MovePartUp(&stranger));
    EXPECT_EQ(brand->IndexOfPart(&stranger), -1);
}

TEST(Definitions, CopiedPartOwnsItsOwnSilkscreen) {
    L_PARTDEF part;
    part.Silkscreen.Create().AddShape()->Text = "original";
    L_PARTDEF copy = part;
    copy.Silkscreen->Shapes[0].Text = "changed";
    EXPECT_EQ(part.Silkscreen->Shapes[0].Text, "original");
    EXPECT_NE(part.Silkscreen.get(), copy.Silkscreen.get());
}

TEST(Definitions, LookupsCompareExactlyAndTakeTheFirstMatch) {
    auto library = LibraryOf({"A", "B", "A"});
    library->Brands[1]->AddPart()->Code = "1";
    library->Brands[2]->AddPart()->Code = "C1 ";
    library->Brands[0]->AddPart()->Code = "C1";
    library->Brands[0]->AddPart()->Code = "C1";
    EXPECT_EQ(library->FindBrand("A"), library->Brands[0]);
    EXPECT_EQ(library->FindBrand("a"), nullptr);
    EXPECT_EQ(library->FindPart("A", "1"), nullptr); // only B has it
    EXPECT_EQ(library->FindPart("A", "c1"), nullptr);
    EXPECT_EQ(library->FindPart("A", "C1"), &library->Brands[0]->Parts[1]);
    EXPECT_EQ(library->FindPart("A", "C1 "), &library->Brands[2]->Parts[1]);
    EXPECT_EQ(library->FindPart("Z", "C1"), nullptr);
}
