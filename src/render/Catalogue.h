#pragma once
#include "defs/Definitions.h"

#include <string>

class QPainter;
class QRect;

// A sheet of every part of a brand at one scale, each with its code,
// description and main dimensions: how a racer tells which system they own
// and which piece is which. Sheet units are pixels of the PNG; the SVG and
// the PDF are the same sheet at 96 units to the inch.

struct CatalogueLayout {
    float PixelsPerCm = 1.0f; // the one scale of every part
    int Columns = 1;
    int Rows = 1;
    int CellWidth = 0;
    int CellHeight = 0;
    int DrawingHeight = 0; // of a cell, above its texts
    int Width = 0;         // of the whole sheet
    int Height = 0;
};

CatalogueLayout LayOutCatalogue(const L_BRAND& brand);
// The cell of the brand's part at index, row by row.
QRect CatalogueCell(const CatalogueLayout& layout, int index);
void PaintCatalogue(QPainter& painter, const L_BRAND& brand, const CatalogueLayout& layout);

// "Length 35 cm", or "Radius 21.4-37 cm, 45°" (inner and outer edge), as
// Latin-1 text like the rest of the part's texts.
std::string PartDimensions(const L_PARTDEF& def);

// Whether the name ends in .png, .svg or .pdf (in any case).
bool HasCatalogueSuffix(const std::string& fileName);
// Writes the sheet by the file name's suffix, beside the target first; false
// when it could not be written.
bool WriteCatalogue(const L_BRAND& brand, const std::string& fileName);
