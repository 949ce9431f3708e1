#include "base/UiText.h"

#include <gtest/gtest.h>

// Plain code's texts: the English key filled with names, remembered so that
// the window can translate the key and fill in the same names.
TEST(UiText, FillsTheKeyAndRemembersHow) {
    const std::string text = Texts::Fill("Cannot write file %1 !", {"/tmp/a b.tr3"});
    EXPECT_EQ(text, "Cannot write file /tmp/a b.tr3 !");
    Texts::Composition composition;
    ASSERT_TRUE(Texts::FindComposition(text, composition));
    EXPECT_EQ(composition.Key, "Cannot write file %1 !");
    EXPECT_EQ(composition.Args, std::vector<std::string>{"/tmp/a b.tr3"});
    EXPECT_FALSE(Texts::FindComposition("Cannot write file x !", composition));
}

TEST(UiText, SubstitutesEachPlaceholderOnce) {
    const struct {
        const char* Key;
        std::vector<std::string> Args;
        const char* Expected;
    } cases[] = {
        {"%2 before %1", {"one", "two"}, "two before one"},
        {"%1 holds %2", {"%2", "x"}, "%2 holds x"}, // an argument is not read again
        {"100% of %1", {"laps"}, "100% of laps"},
        {"%3 is missing", {"a"}, "%3 is missing"},
        {"ends with %", {}, "ends with %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Texts::Substitute(c.Key, c.Args), c.Expected) << c.Key;
}
