#pragma once
#include "DesignDocument.h"
#include "render/Repaint.h"

#include <QGuiApplication>
#include <memory>

// The canvases with the design canvas's start-up view options.
struct Workspace : StandaloneCanvases {
    std::unique_ptr<DesignDocument> Document; // what the copied design refers to

    Workspace() { Design.Grid = Design.ShowPoints = true; }
};

// A batch tool needs no display; fonts need a GUI application all the same.
std::unique_ptr<QGuiApplication> GuiApplication();

// The design painted on the design canvas as the program paints it, with
// the command's view options (and --room); null with the reason in error.
std::unique_ptr<Workspace> PaintedDesign(const ToolArgs& args, const char* command,
                                         std::string& error);

// The file name's extension in lower case.
std::string Extension(const std::string& name);
