#pragma once
#include <string>

class L_DEFINITIONS;
class TextReader;
class TextWriter;

inline const char* const STOCK_FILE_NAME = "Stock.df3";

// Sets the stock of every part the stock table names by brand and code;
// entries the library lacks are read and ignored.
void LoadStock(L_DEFINITIONS& library, const std::string& programDir);
// Replaces programDir's stock table; false when it could not be written.
bool SaveStock(const L_DEFINITIONS& library, const std::string& programDir);

void ReadStock(L_DEFINITIONS& library, TextReader& in);
void WriteStock(const L_DEFINITIONS& library, TextWriter& out);
