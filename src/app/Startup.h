#pragma once

class A_APPL;

// Loads the definitions file and the stock table from the program folder.
// Without any brand it tells the user and returns false: the program cannot
// run and ends with exit code 0.
bool LoadLibraryOrExplain(A_APPL& appl);
