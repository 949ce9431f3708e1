#include "PaintedDesign.h"
#include "render/TiledPdf.h"
#include "render/TrueScale.h"

#include <charconv>
#include <cstdio>

namespace {

constexpr int MAX_SCALE_DENOMINATOR = 1000;

// "1:N" (or just N); 0 when it is not a scale the exports draw.
int ScaleDenominator(const std::string& text) {
    const std::string digits = text.rfind("1:", 0) == 0 ? text.substr(2) : text;
    int n = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() || n < 1 ||
        n > MAX_SCALE_DENOMINATOR)
        return 0;
    return n;
}

bool PaperFrom(const std::string& name, QPageSize::PageSizeId& paper) {
    static const std::pair<const char*, QPageSize::PageSizeId> papers[] = {
        {"A4", QPageSize::A4},
        {"A3", QPageSize::A3},
        {"Letter", QPageSize::Letter},
        {"Legal", QPageSize::Legal},
        {"Tabloid", QPageSize::Tabloid}};
    for (const auto& [text, id] : papers)
        if (name == text) {
            paper = id;
            return true;
        }
    return false;
}

int ExportTiles(Workspace& work, const ToolArgs& args, const std::string& out, int denominator,
                TrueScaleStyle style) {
    QPageSize::PageSizeId paper = QPageSize::A4;
    if (args.Options.count("paper") && !PaperFrom(args.Options.at("paper"), paper))
        return Fail("--paper needs A4, A3, Letter, Legal or Tabloid");
    PageTiles tiles;
    if (!ExportTiledPdf(work.Set, out, denominator, paper, tiles, style))
        return Fail("cannot write " + out);
    std::printf("%d columns x %d rows, %d pages with the overview\n", tiles.Columns, tiles.Rows,
                tiles.Pages());
    return 0;
}

} // namespace

int ExportCommand(const ToolArgs& args) {
    const auto application = GuiApplication();
    if (!args.Options.count("o"))
        return Fail("export needs -o OUT (.svg, .dxf or .pdf)");
    const std::string out = args.Options.at("o");
    if (!HasExportSuffix(out))
        return Fail("export writes .svg, .dxf or .pdf, not " + out);
    const int denominator =
        ScaleDenominator(args.Options.count("scale") ? args.Options.at("scale") : "1:1");
    if (denominator == 0)
        return Fail("--scale needs 1:N with N from 1 to 1000");
    if (args.Options.count("tiles") && Extension(out) != "pdf")
        return Fail("--tiles splits a .pdf over pages");
    // Tiles are printed to build from: the template unless asked otherwise.
    TrueScaleStyle style =
        args.Options.count("tiles") ? TrueScaleStyle::Template : TrueScaleStyle::Screen;
    if (args.Options.count("style") && !StyleFromName(args.Options.at("style"), style))
        return Fail("--style needs template or screen");
    std::string error;
    auto work = PaintedDesign(args, "export", error);
    if (!work)
        return Fail(error);
    const WorldExtent extent = LayoutExtent(work->Set);
    if (extent.Empty)
        return Fail("nothing to export: the design has no tracks, drawing or room");
    std::printf("layout %.1f x %.1f mm at 1:%d\n", extent.Width() * PaperMmPerCm(denominator),
                extent.Height() * PaperMmPerCm(denominator), denominator);
    if (args.Options.count("tiles"))
        return ExportTiles(*work, args, out, denominator, style);
    if (Extension(out) == "pdf" && !PdfPageFits(extent, denominator)) {
        const QSizeF page = PdfPageSizeMm(extent, denominator);
        char size[64];
        std::snprintf(size, sizeof size, "%.0f x %.0f mm", page.width(), page.height());
        return Fail(std::string("a one-page PDF of ") + size + " is beyond the " +
                    std::to_string(static_cast<int>(MAX_PDF_PAGE_MM)) +
                    " mm PDF readers open: use --tiles or a smaller --scale");
    }
    return ExportLayoutFile(work->Set, out, denominator, style) ? 0 : Fail("cannot write " + out);
}
