#include "PaintedDesign.h"
#include "defs/Definitions.h"
#include "render/Catalogue.h"

int CatalogueCommand(const ToolArgs& args) {
    const auto application = GuiApplication();
    if (!args.Options.count("brand"))
        return Fail("catalogue needs --brand NAME");
    if (!args.Options.count("o"))
        return Fail("catalogue needs -o OUT (.png, .svg or .pdf)");
    const std::string out = args.Options.at("o");
    if (!HasCatalogueSuffix(out))
        return Fail("catalogue writes .png, .svg or .pdf, not " + out);
    std::string error;
    const auto library = LoadToolLibrary(args.Dir(), error);
    if (!library)
        return Fail(error);
    const std::string& name = args.Options.at("brand");
    const L_BRAND* brand = library->FindBrand(name);
    if (!brand)
        return Fail("unknown brand " + name);
    return WriteCatalogue(*brand, out) ? 0 : Fail("cannot write " + out);
}
