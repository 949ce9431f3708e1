#include "StockFile.h"

#include "Definitions.h"
#include "base/TextReader.h"
#include "base/TextWriter.h"

void ReadStock(L_DEFINITIONS& library, TextReader& in) {
    const int32_t brands = in.ReadInt();
    for (int32_t i = 0; i < brands && !in.AtEnd(); ++i) {
        const std::string name = in.ReadText();
        const int32_t parts = in.ReadInt();
        for (int32_t j = 0; j < parts && !in.AtEnd(); ++j) {
            const std::string code = in.ReadText();
            const int32_t stock = in.ReadInt();
            if (L_PARTDEF* part = library.FindPart(name, code))
                part->Stock = stock;
        }
    }
}

void LoadStock(L_DEFINITIONS& library, const std::string& programDir) {
    TextReader in(programDir + STOCK_FILE_NAME);
    if (in.IsOpen())
        ReadStock(library, in);
}

void WriteStock(const L_DEFINITIONS& library, TextWriter& out) {
    out.Line("# VIRELDO Stock Table");
    out.Line("#");
    out.Line("# Number of BRANDS");
    out.Int(library.Count);
    for (int i = 0; i < library.Count; ++i) {
        const L_BRAND& brand = *library.Brands[i];
        out.Line("#");
        out.Line("# BRAND DEF");
        out.Line(brand.Name);
        out.Line("# Number of parts");
        out.Int(brand.PartCount);
        out.Line("#");
        for (int j = 0; j < brand.PartCount; ++j) {
            out.Line("# Stock");
            out.Line(brand.Parts[j].Code);
            out.Int(brand.Parts[j].Stock);
        }
    }
}

bool SaveStock(const L_DEFINITIONS& library, const std::string& programDir) {
    TextWriter out;
    WriteStock(library, out);
    return out.Commit(programDir + STOCK_FILE_NAME);
}
