#include "FuzzTargets.h"
#include "FuzzWorkspace.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

// Every file of the seed corpus and every regression kept from a finding, run
// through its fuzz target as the fuzzer runs it: read, used, written back.
namespace {

struct ReplayCase {
    std::string Folder; // "corpus" or "regressions"
    FuzzTarget Target;
    std::filesystem::path File;
};

void PrintTo(const ReplayCase& replay, std::ostream* out) {
    *out << replay.File;
}

std::vector<ReplayCase> Cases() {
    std::vector<ReplayCase> cases;
    for (const char* folder : {"corpus", "regressions"})
        for (const FuzzTarget& target : FUZZ_TARGETS) {
            const std::filesystem::path dir =
                std::filesystem::path(VIRELDO_FUZZ_DIR) / folder / target.Name;
            if (!std::filesystem::is_directory(dir))
                continue;
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(dir))
                files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto& file : files)
                cases.push_back({folder, target, file});
        }
    return cases;
}

std::string CaseName(const testing::TestParamInfo<ReplayCase>& info) {
    std::string name = info.param.Folder + "_" + info.param.Target.Name + "_" +
                       info.param.File.filename().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

class Replay : public testing::TestWithParam<ReplayCase> {};

} // namespace

TEST_P(Replay, ReadsUsesAndWritesBackTheSame) {
    std::ifstream in(GetParam().File, std::ios::binary);
    ASSERT_TRUE(in) << GetParam().File;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(GetParam().Target.Run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
              "");
}

INSTANTIATE_TEST_SUITE_P(Fuzz, Replay, testing::ValuesIn(Cases()), CaseName);

TEST(Replay, EveryTargetHasASeedCorpus) {
    for (const FuzzTarget& target : FUZZ_TARGETS)
        EXPECT_FALSE(std::filesystem::is_empty(std::filesystem::path(VIRELDO_FUZZ_DIR) / "corpus" /
                                               target.Name))
            << target.Name;
}

TEST(Replay, ADifferenceBetweenTheWritingsIsReportedWhereItIs) {
    EXPECT_EQ(CompareWrites("same", "same"), "");
    const std::string report = CompareWrites("1\r\n2.500000\r\n", "1\r\n2.499999\r\n");
    EXPECT_NE(report.find("byte 5:"), std::string::npos) << report;
    EXPECT_NE(CompareWrites("a", "ab"), "");
}
