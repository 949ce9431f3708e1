#pragma once

class A_APPL;

// Redraws that the commands ask for. The part palette and the Info page's
// track list come with later work; until then there is nothing to redraw.
void DrawPartSelector(A_APPL& appl);
void RefreshInfoPage(A_APPL& appl);
// The palette is redrawn after a change of the design only when its stock
// display depends on the parts in use.
void RedrawPartSelectorForStock(A_APPL& appl);
