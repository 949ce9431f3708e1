#include "FuzzWorkspace.h"

#include "defs/Definitions.h"
#include "defs/DefinitionsFile.h"
#include "freehand/ViewTransform.h"
#include "render/PaintThread.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr int CANVAS_WIDTH = 40;
constexpr int CANVAS_HEIGHT = 30;

// Fonts need a GUI application; no display is needed.
void StartGuiApplication() {
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vireldo-fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives as long as the process
}

// A folder of this process, removed when it exits (every replayed input is
// a process of its own under CTest).
std::string ScratchFolder() {
    static const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vireldo-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    });
    return dir.string() + "/";
}

// The panel's centre, its corners and the pose of the first part drawn.
void HitTestParts(CanvasSet& set, P_PANEL& panel) {
    const T_PLACEMENT& placement = set.Placement;
    const float xs[] = {0.0f, panel.Width * 0.5f, panel.Width - 1.0f,
                        placement.Count > 0 ? placement.Entries[0].X : 1.0f};
    const float ys[] = {0.0f, panel.Height * 0.5f, panel.Height - 1.0f,
                        placement.Count > 0 ? placement.Entries[0].Y : 1.0f};
    for (int i = 0; i < 4; ++i) {
        FindTopmostPart(set.Placement, panel.View, xs[i], ys[i]);
        FindPartsAt(set.Placement, panel.View, xs[i], ys[i]);
    }
}

// The centre and the screen position of the first shape's first point.
void HitTestShapes(F_FREEHAND& layer, const P_PANEL& panel) {
    const ViewTransform view{panel.Zoom, panel.OriginX(), panel.OriginY(), 0};
    layer.FindShapeAt(view, panel.Width / 2, panel.Height / 2);
    if (layer.ShapeCount > 0 && layer.Shapes[0].PointCount > 0) {
        const F_POINT& p = layer.Shapes[0].Points[0];
        const ScreenPoint at = WorldToScreen(view, p.X, p.Y);
        layer.FindShapeAt(view, at.X, at.Y);
    }
}

} // namespace

FuzzWorkspace& FuzzWorkspace::Get() {
    static FuzzWorkspace* workspace = new FuzzWorkspace(); // never torn down
    return *workspace;
}

FuzzWorkspace::FuzzWorkspace() : Dir(ScratchFolder()), Shipped(std::make_unique<L_DEFINITIONS>()) {
    StartGuiApplication();
    SetPaintOnCallingThread(true);
    LoadDefinitions(*Shipped, VIRELDO_DATA);
    Canvases.Design.SetSize(CANVAS_WIDTH, CANVAS_HEIGHT);
    Canvases.Room.SetSize(CANVAS_WIDTH, CANVAS_HEIGHT);
    Canvases.Design.Grid = Canvases.Design.ShowPoints = Canvases.Design.ShowPartCodes = true;
    Canvases.Room.Grid = true;
}

std::string FuzzWorkspace::Put(const std::string& name, const uint8_t* data, size_t size) const {
    const std::string path = Dir + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}

std::string FuzzWorkspace::Put(const std::string& name, const std::string& text) const {
    return Put(name, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void FuzzWorkspace::DrawDesign() {
    Canvases.Set.Current = &Canvases.Design;
    RepaintPanel(Canvases.Set);
    HitTestParts(Canvases.Set, Canvases.Design);
    HitTestShapes(Canvases.Design.Freehand, Canvases.Design);
}

void FuzzWorkspace::DrawEveryPart(L_BRAND& brand) {
    T_DESIGN& design = Canvases.Design.Design;
    Canvases.Design.Freehand.ClearLayer();
    for (int i = 0; i < brand.PartCount; ++i) {
        design.ClearDesign();
        design.SetDesignBrand(&brand);
        if (T_PART* part = design.AllocateTrack()->InsertAfter(nullptr))
            *part = T_PART{0, 0, &brand.Parts[i]};
        DrawDesign();
    }
    design.ClearDesign();
}

void FuzzWorkspace::DrawRoom() {
    Canvases.Set.Current = &Canvases.Room;
    RepaintPanel(Canvases.Set);
    HitTestShapes(Canvases.Room.Layer, Canvases.Room);
}

std::string CompareWrites(const std::string& first, const std::string& second) {
    if (first == second)
        return std::string();
    size_t at = 0;
    while (at < first.size() && at < second.size() && first[at] == second[at])
        ++at;
    const size_t from = at < 80 ? 0 : at - 80;
    return "the second writing differs at byte " + std::to_string(at) + ":\nfirst:  ..." +
           first.substr(from, 160) + "\nsecond: ..." + second.substr(from, 160);
}
