#pragma once
#include <QCursor>
#include <QIcon>

// Makes the icons and pointer shapes available; called once before any is used.
void InitIcons();
// One of the program's own icons (":/icons/<name>.svg"), or the desktop
// theme's icon of that freedesktop name when the theme has one.
QIcon AppIcon(const char* name, const char* themeName = nullptr);
// The custom pointer shapes "CRMOVER" and "CRDRAG".
QCursor MoverCursor();
QCursor DraggerCursor();
