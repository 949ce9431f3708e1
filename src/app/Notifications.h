#pragma once

class A_APPL;

// Redraws that the commands ask for. The palette is drawn by the part
// selector; the Info page's track list comes with later work and until then
// there is nothing to refresh.
void DrawPartSelector(A_APPL& appl);
void RefreshInfoPage(A_APPL& appl);
// The palette is redrawn after a change of the design only when its stock
// display depends on the parts in use.
void RedrawPartSelectorForStock(A_APPL& appl);
