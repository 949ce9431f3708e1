#include "Appl.h"

#include "Recovery.h"
#include "ReportCommands.h"

A_APPL::A_APPL(const std::string& programDir)
    : ProgramDir(programDir), HelpDir(programDir), LastUsedPath(programDir) {
    // The Info page shows the design's lanes, the stock, the units and the car.
    Changes.Listen([this](const Change& change) {
        if (change.Kind != ChangeKind::Palette)
            RefreshInfoPage(*this);
    });
}

A_APPL::~A_APPL() = default;
