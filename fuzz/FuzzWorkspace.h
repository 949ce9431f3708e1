#pragma once
#include "render/Repaint.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class L_DEFINITIONS;
struct L_BRAND;
struct L_PARTDEF;

// What every fuzz target shares, made once per process: a scratch folder for
// the files the readers open, the shipped definitions, and small canvases to
// draw on (a few hundred pixels: drawing is covered, not fill speed).
struct FuzzWorkspace {
    std::string Dir; // with a trailing "/"
    std::unique_ptr<L_DEFINITIONS> Shipped;
    StandaloneCanvases Canvases;

    static FuzzWorkspace& Get();
    // Writes bytes to the scratch file of that name; returns its path.
    std::string Put(const std::string& name, const uint8_t* data, size_t size) const;
    std::string Put(const std::string& name, const std::string& text) const;

    // Places, hit tests and draws the design canvas's design and layer.
    void DrawDesign();
    // Places, hit tests and draws every part of the brand on its own.
    void DrawEveryPart(L_BRAND& brand);
    // Hit tests and draws the room canvas.
    void DrawRoom();

  private:
    FuzzWorkspace();
};

// "" when the second writing equals the first, else what differs.
std::string CompareWrites(const std::string& first, const std::string& second);
