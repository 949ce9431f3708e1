#pragma once
#include <string>

inline const char* const UNTITLED_DESIGN = "untitled.tr3";
inline const char* const APPLICATION_TITLE = "Vireldo 2000";

// The main window's caption for a design file and brand: the file's name
// without its folder (marked "*" while the design has unsaved changes), the
// program and version, the brand's name.
std::string DesignCaption(const std::string& fileName, const std::string& brandName,
                          bool changed = false);
