#include "PaintedDesign.h"
#include "render/Repaint.h"
#include "report/TrackList.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>

std::string Extension(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

namespace {

bool WritePdf(Workspace& work, const std::string& name) {
    QPdfWriter pdf(QString::fromLocal8Bit(name.c_str()));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    pdf.setTitle(QString::fromLatin1(work.Design.Design.FileName.c_str()));
    PrintDesign(work.Set, pdf, false);
    return true;
}

} // namespace

// A batch tool needs no display; fonts need a GUI application all the same.
std::unique_ptr<QGuiApplication> GuiApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vireldo-tool";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The design painted on the design canvas as the program paints it, with
// the command's view options; null with the reason in error.
std::unique_ptr<Workspace> PaintedDesign(const ToolArgs& args, const char* command,
                                         std::string& error) {
    std::string message;
    auto work = std::make_unique<Workspace>();
    if (!SetUpPanelOptions(args, work->Design, error))
        return nullptr;
    auto document = LoadToolDesign(args, command, error, message);
    if (!document)
        return nullptr;
    if (!message.empty())
        std::fprintf(stderr, "%s\n", message.c_str());
    work->Design.Design = document->Design;
    work->Design.Freehand = document->Freehand;
    if (!args.Options.count("offset"))
        work->Design.Offset = document->Offset;
    if (args.Options.count("room")) {
        if (!FileReadable(args.Options.at("room"))) {
            error = "cannot read " + args.Options.at("room");
            return nullptr;
        }
        work->Room.RoomFileName = args.Options.at("room");
        LoadRoom(work->Room, work->Room.Offset);
    }
    work->Document = std::move(document);
    RepaintPanel(work->Set);
    if (args.Options.count("fit"))
        FitDesignInView(work->Set);
    return work;
}

int RenderCommand(const ToolArgs& args) {
    const auto application = GuiApplication();
    if (!args.Options.count("o"))
        return Fail("render needs -o OUT (.png, .gif or .pdf)");
    const std::string out = args.Options.at("o");
    const std::string ext = Extension(out);
    if (ext != "png" && ext != "gif" && ext != "pdf")
        return Fail("render writes .png, .gif or .pdf, not " + out);
    std::string error;
    auto work = PaintedDesign(args, "render", error);
    if (!work)
        return Fail(error);
    const QImage& pixels = work->Design.WindowImage;
    const bool written = ext == "png"   ? pixels.save(QString::fromLocal8Bit(out.c_str()), "PNG")
                         : ext == "gif" ? SnapshotDesign(work->Design, out)
                                        : WritePdf(*work, out);
    return written ? 0 : Fail("cannot write " + out);
}

int ReportCommand(const ToolArgs& args) {
    const auto application = GuiApplication();
    std::string error;
    auto work = PaintedDesign(args, "report", error);
    if (!work)
        return Fail(error);
    TrackListUnits units;
    units.Metric = !args.Options.count("feet");
    C_VIRELDO& design = work->Design;
    WriteOut(BuildTrackListHtml(design.Design, design.View.Box, design.Zoom, units));
    return 0;
}
