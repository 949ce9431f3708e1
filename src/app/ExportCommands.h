#pragma once

class A_APPL;

// "&Export...": the layout at 1:1 as an SVG or DXF drawing or a PDF page of
// its size, by the extension the user picks.
void ExportLayoutCommand(A_APPL& appl);
