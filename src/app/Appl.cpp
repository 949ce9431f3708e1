#include "Appl.h"

#include "Recovery.h"

A_APPL::A_APPL(const std::string& programDir)
    : ProgramDir(programDir), HelpDir(programDir), LastUsedPath(programDir) {}

A_APPL::~A_APPL() = default;
