#pragma once
#include <string>

class A_APPL;

// The program: creates the windows, runs the message loop and returns the
// exit code. A QApplication must exist. commandLine is the design file name,
// taken whole.
int ProgramEntry(A_APPL& appl, const std::string& commandLine);
