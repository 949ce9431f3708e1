#include "Startup.h"

#include "Appl.h"
#include "defs/DefinitionsFile.h"
#include "defs/StockFile.h"

bool LoadLibraryOrExplain(A_APPL& appl) {
    LoadDefinitions(appl.Library, appl.ProgramDir);
    LoadStock(appl.Library, appl.ProgramDir);
    if (appl.Library.Count > 0)
        return true;
    appl.Dialogs().Message("Cannot load track definition file '" + appl.ProgramDir +
                           DEFINITIONS_FILE_NAME + "' ! \n\nEXIT VIRELDO!");
    return false;
}
