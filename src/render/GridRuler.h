#pragma once

struct P_PANEL;

// The panel's grid dots, with the red cross at the world origin; drawn first.
void DrawGrid(P_PANEL& panel, bool metric);
// The two ruler bands with their ticks; drawn last.
void DrawRuler(P_PANEL& panel, bool metric);
