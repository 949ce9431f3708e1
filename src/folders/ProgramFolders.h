#pragma once
#include <string>

// Where the program keeps what it reads and writes, for the program and the
// batch tool alike. Both folders end in "/".
struct ProgramFolders {
    std::string Data; // definitions, stock table, report files
    std::string Help; // the folder that holds Manual/
};

// A build folder or a portable copy holds a writable definitions file beside
// the executable: everything stays there. An installed program reads the
// shipped files from ../share/vireldo/ and, on its first start, copies the
// definitions and stock table into the user's data folder, which from then on
// is read and written; nothing shipped is ever written.
ProgramFolders FindProgramFolders(const std::string& executableDir);
// The user's data folder of an installed program.
std::string UserDataFolder();
// A file named on the command line, also as a file:// address (as a file
// manager may pass it).
std::string FileFromArgument(const std::string& argument);
