#include "Appl.h"

A_APPL::A_APPL(const std::string& programDir)
    : ProgramDir(programDir), HelpDir(programDir), LastUsedPath(programDir) {}
