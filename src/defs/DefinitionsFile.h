#pragma once
#include <string>

class L_DEFINITIONS;
class TextReader;
class TextWriter;
struct L_BRAND;

inline const char* const DEFINITIONS_FILE_NAME = "Vireldo30.df3";

// Empties the library and reads programDir's definitions file into it; a
// missing file leaves the library empty.
void LoadDefinitions(L_DEFINITIONS& library, const std::string& programDir);
// Replaces programDir's definitions file; false when it could not be written.
bool SaveDefinitions(L_DEFINITIONS& library, const std::string& programDir);

void ReadDefinitions(L_DEFINITIONS& library, TextReader& in);
void WriteDefinitions(L_DEFINITIONS& library, TextWriter& out);

// Replaces the brand's parts by those of a legacy ".def" file.
void ImportV2Definitions(const std::string& fileName, L_BRAND& brand);
