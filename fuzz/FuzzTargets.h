#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// One target per reader. Each reads the bytes as its file, works on what was
// read as the program would (places, hit tests, draws), writes it, reads that
// writing back and writes again. Returns "" or what went wrong: the two
// writings differ where a value was lost or changed on the way.
using FuzzTargetFunction = std::string (*)(const uint8_t* data, size_t size);

std::string FuzzDefinitionsFile(const uint8_t* data, size_t size);
std::string FuzzLegacyDefinitions(const uint8_t* data, size_t size);
std::string FuzzStockTable(const uint8_t* data, size_t size);
std::string FuzzDesignFile(const uint8_t* data, size_t size);
std::string FuzzTr2Import(const uint8_t* data, size_t size);
std::string FuzzRoomFile(const uint8_t* data, size_t size);

struct FuzzTarget {
    const char* Name; // also the folder of its corpus and regressions
    FuzzTargetFunction Run;
};
inline constexpr FuzzTarget FUZZ_TARGETS[] = {
    {"definitions", FuzzDefinitionsFile},
    {"legacy_def", FuzzLegacyDefinitions},
    {"stock", FuzzStockTable},
    {"design", FuzzDesignFile},
    {"tr2", FuzzTr2Import},
    {"room", FuzzRoomFile},
};
