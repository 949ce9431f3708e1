#include "Main.h"

#include "app/Appl.h"
#include "app/Caption.h"
#include "app/Startup.h"
#include "base/AngleTable.h"

#include <QString>

TMainForm::TMainForm(A_APPL& appl) : Appl(appl) {
    resize(1024, 720);
    StartedOk = FormCreate();
}

bool TMainForm::FormCreate() {
    FillAngleTable();
    if (!LoadLibraryOrExplain(Appl))
        return false;
    const L_BRAND* brand = Appl.Library.Brands[0];
    setWindowTitle(QString::fromLatin1(DesignCaption(UNTITLED_DESIGN, brand->Name).c_str()));
    return true;
}
