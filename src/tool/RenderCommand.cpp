#include "DesignDocument.h"
#include "render/Repaint.h"
#include "view/ViewMath.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <optional>

namespace {

// The canvases with the design canvas's start-up view options.
struct Workspace : StandaloneCanvases {

    Workspace() { Design.Grid = Design.ShowPoints = true; }
};

std::string Extension(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

void CentreAndZoom(Workspace& work) {
    RepaintPanel(work.Set);
    const std::optional<float> zoom = FitZoom(work.Design, work.Design.View.Box);
    if (!zoom)
        return;
    work.Design.Zoom = *zoom;
    work.Design.View.MeasureOnly = true;
    RepaintPanel(work.Set);
    work.Design.View.MeasureOnly = false;
    work.Design.Offset = CentreOffset(work.Design, work.Design.View.Box);
}

bool WritePdf(Workspace& work, const std::string& name) {
    QPdfWriter pdf(QString::fromLocal8Bit(name.c_str()));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    pdf.setTitle(QString::fromLatin1(work.Design.Design.FileName.c_str()));
    PrintDesign(work.Set, pdf, false);
    return true;
}

} // namespace

int RenderCommand(const ToolArgs& args) {
    // A batch tool needs no display; fonts need a GUI application all the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vireldo-tool";
    static char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    if (!args.Options.count("o"))
        return Fail("render needs -o OUT (.png, .gif or .pdf)");
    const std::string out = args.Options.at("o");
    const std::string ext = Extension(out);
    if (ext != "png" && ext != "gif" && ext != "pdf")
        return Fail("render writes .png, .gif or .pdf, not " + out);
    std::string error, message;
    auto work = std::make_unique<Workspace>();
    if (!SetUpPanelOptions(args, work->Design, error))
        return Fail(error);
    auto document = LoadToolDesign(args, "render", error, message);
    if (!document)
        return Fail(error);
    if (!message.empty())
        std::fprintf(stderr, "%s\n", message.c_str());
    work->Design.Design = document->Design;
    work->Design.Freehand = document->Freehand;
    if (!args.Options.count("offset"))
        work->Design.Offset = document->Offset;
    if (args.Options.count("room")) {
        if (!FileReadable(args.Options.at("room")))
            return Fail("cannot read " + args.Options.at("room"));
        work->Room.RoomFileName = args.Options.at("room");
        LoadRoom(work->Room, work->Room.Offset);
    }
    if (args.Options.count("fit"))
        CentreAndZoom(*work);
    RepaintPanel(work->Set);
    const QImage& pixels = work->Design.WindowImage;
    const bool written = ext == "png"   ? pixels.save(QString::fromLocal8Bit(out.c_str()), "PNG")
                         : ext == "gif" ? SnapshotDesign(work->Design, out)
                                        : WritePdf(*work, out);
    return written ? 0 : Fail("cannot write " + out);
}
