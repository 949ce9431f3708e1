#pragma once
#include <string>

// Folder of the running executable with a trailing "/"; argv0 is the fallback
// where the platform cannot tell.
std::string ExecutableDir(const char* argv0);
