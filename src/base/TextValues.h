#pragma once
#include "Saturate.h"

#include <cstdint>
#include <string>

// Value parsing and formatting shared by every data file. All of it is
// independent of the user's locale: files always use a decimal point.

// Like atol: leading blanks, optional sign, digits; anything else ends the
// number; no digits give 0. Saturates instead of overflowing.
int64_t ParseLong(const std::string& text);
// Like strtod in the C locale; no number gives 0.0.
double ParseDouble(const std::string& text);
int32_t ClampToInt32(int64_t value);
// "%f": six decimals, point separator.
std::string FormatFloat(double value);
std::string FormatInt(int64_t value);

// A name read from a file, fit for a message: control characters become "?"
// and more than MESSAGE_NAME_LENGTH characters are cut short with "...".
constexpr size_t MESSAGE_NAME_LENGTH = 64;
std::string NameForMessage(const std::string& name);
