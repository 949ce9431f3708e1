// Random editing for a given time: seed after seed of 2000 actions; a
// failure is shrunk and its actions written to the findings folder.
//   edit_fuzz SECONDS [FIRST_SEED] [FINDINGS_DIR]
#include "RandomEditing.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr int ACTIONS_PER_SEED = 2000;

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const long seconds = argc > 1 ? std::atol(argv[1]) : 60;
    unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const std::string findings = argc > 3 ? argv[3] : "findings";
    char scratch[] = "/tmp/vireldo-edit-fuzz-XXXXXX";
    if (!::mkdtemp(scratch))
        return 2;
    const std::string folder = std::string(scratch) + "/";
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    long long actions = 0;
    int seeds = 0;
    for (; std::chrono::steady_clock::now() < end; ++seed, ++seeds) {
        const std::vector<EditAction> run = RandomActions(seed, ACTIONS_PER_SEED);
        const std::string broken = RunActions(run, folder);
        actions += ACTIONS_PER_SEED;
        if (broken.empty())
            continue;
        const std::vector<EditAction> shortest = Shrink(run, folder);
        std::filesystem::create_directories(findings);
        const std::string file = findings + "/editing-" + std::to_string(seed) + ".ops";
        std::ofstream(file) << FormatActions(shortest);
        std::printf("seed %llu: %s\nshrunk to %zu actions: %s\n%s", seed, broken.c_str(),
                    shortest.size(), file.c_str(), FormatActions(shortest).c_str());
        std::filesystem::remove_all(scratch);
        return 1;
    }
    std::printf("%d seeds, %lld actions, no finding (last seed %llu)\n", seeds, actions, seed - 1);
    std::filesystem::remove_all(scratch);
    return 0;
}
