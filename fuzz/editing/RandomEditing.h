#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Random editing: long runs of what a user does, through the functions the
// window calls, with the invariants checked after every action. A failing
// run is shrunk to a short list of actions, kept as a text file (one action
// per line: its kind and three numbers) that the tests replay.

struct EditAction {
    int Kind = 0;
    int A = 0, B = 0, C = 0;
};

// count actions drawn from seed: the same seed gives the same actions.
std::vector<EditAction> RandomActions(uint64_t seed, int count);

// How far a run got: the most parts and shapes the design held at once.
struct EditingReach {
    int Parts = 0;
    int Shapes = 0;
    int Tracks = 0;
};

// Runs the actions on a fresh program state in folder (a scratch folder for
// the files it saves). Returns "" or what broke, with the action's number.
std::string RunActions(const std::vector<EditAction>& actions, const std::string& folder,
                       EditingReach* reach = nullptr);

// The shortest list found that still breaks (by dropping runs of actions).
std::vector<EditAction> Shrink(std::vector<EditAction> actions, const std::string& folder);

std::string FormatActions(const std::vector<EditAction>& actions);
std::vector<EditAction> ParseActions(const std::string& text);
