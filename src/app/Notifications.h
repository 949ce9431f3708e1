#pragma once

class A_APPL;

// Redraws that the commands ask for: the palette (drawn by the part
// selector) and the Info page's track list (written by the report commands
// while the page shows, and whenever it comes to show).
void DrawPartSelector(A_APPL& appl);
void RefreshInfoPage(A_APPL& appl);
// The palette is redrawn after a change of the design only when its stock
// display depends on the parts in use.
void RedrawPartSelectorForStock(A_APPL& appl);
