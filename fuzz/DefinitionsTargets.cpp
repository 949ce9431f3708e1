#include "FuzzTargets.h"
#include "FuzzWorkspace.h"

#include "base/TextReader.h"
#include "base/TextWriter.h"
#include "defs/Definitions.h"
#include "defs/DefinitionsFile.h"
#include "defs/StockFile.h"

#include <memory>

namespace {

// Libraries of the targets, kept between runs: reading one empties it first.
L_DEFINITIONS& Library(int which) {
    static auto* libraries = new std::unique_ptr<L_DEFINITIONS>[2] {
        std::make_unique<L_DEFINITIONS>(), std::make_unique<L_DEFINITIONS>()
    };
    return *libraries[which];
}

std::string DefinitionsText(L_DEFINITIONS& library) {
    TextWriter out;
    WriteDefinitions(library, out);
    return out.Content();
}

std::string StockText(const L_DEFINITIONS& library) {
    TextWriter out;
    WriteStock(library, out);
    return out.Content();
}

void DrawLibrary(L_DEFINITIONS& library) {
    FuzzWorkspace& work = FuzzWorkspace::Get();
    for (int b = 0; b < library.Count; ++b)
        work.DrawEveryPart(*library.Brands[b]);
}

// Writes the library, reads that into the second library and writes again.
std::string RoundTripDefinitions(L_DEFINITIONS& library) {
    FuzzWorkspace& work = FuzzWorkspace::Get();
    const std::string first = DefinitionsText(library);
    work.Put(DEFINITIONS_FILE_NAME, first);
    L_DEFINITIONS& reread = Library(1);
    LoadDefinitions(reread, work.Dir);
    return CompareWrites(first, DefinitionsText(reread));
}

void ClearStock(L_DEFINITIONS& library) {
    for (int b = 0; b < library.Count; ++b)
        for (int p = 0; p < library.Brands[b]->PartCount; ++p)
            library.Brands[b]->Parts[p].Stock = 0;
}

} // namespace

std::string FuzzDefinitionsFile(const uint8_t* data, size_t size) {
    FuzzWorkspace& work = FuzzWorkspace::Get();
    work.Put(DEFINITIONS_FILE_NAME, data, size);
    L_DEFINITIONS& library = Library(0);
    LoadDefinitions(library, work.Dir);
    DrawLibrary(library);
    return RoundTripDefinitions(library);
}

std::string FuzzLegacyDefinitions(const uint8_t* data, size_t size) {
    FuzzWorkspace& work = FuzzWorkspace::Get();
    L_DEFINITIONS& library = Library(0);
    library.Clear();
    L_BRAND& brand = *library.AddBrand();
    brand.ResetBrand();
    brand.Name = "IMPORTED";
    ImportV2Definitions(work.Put("legacy.def", data, size), brand);
    DrawLibrary(library);
    return RoundTripDefinitions(library);
}

std::string FuzzStockTable(const uint8_t* data, size_t size) {
    FuzzWorkspace& work = FuzzWorkspace::Get();
    L_DEFINITIONS& library = *work.Shipped;
    ClearStock(library);
    work.Put(STOCK_FILE_NAME, data, size);
    LoadStock(library, work.Dir);
    const std::string first = StockText(library);
    ClearStock(library);
    TextReader in(work.Put(STOCK_FILE_NAME, first));
    ReadStock(library, in);
    const std::string second = StockText(library);
    ClearStock(library);
    return CompareWrites(first, second);
}
