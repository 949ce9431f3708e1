#pragma once

class A_APPL;

// Loads the definitions file and the stock table from the program folder.
// Without any brand it tells the user and returns false: the program cannot
// run and ends with exit code 0.
bool LoadLibraryOrExplain(A_APPL& appl);
// The design a fresh start shows: one empty track, selected, of the brand the
// settings named (or the first brand), not unsaved.
void StartFirstDesign(A_APPL& appl);
// Opens the design named on the command line, or titles the unnamed one;
// then the design is saved, in Select mode, with an empty history.
void OpenStartupDesign(A_APPL& appl);
// Reads the room the settings named, unless it was never saved.
void OpenStoredRoom(A_APPL& appl);
