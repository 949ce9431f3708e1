#include "StockEditing.h"

#include "app/Appl.h"
#include "base/TextValues.h"
#include "base/UiText.h"
#include "defs/SharedPiece.h"
#include "defs/StockFile.h"

std::vector<StockRow> StockRows(A_APPL& appl) {
    std::vector<StockRow> rows;
    L_BRAND* brand = appl.Design.Design.Brand;
    if (!brand)
        return rows;
    for (int i = 0; i < brand->PartCount; ++i)
        brand->Parts[i].Used = 0;
    appl.Design.Design.CountUses();
    for (int i = 0; i < brand->PartCount; ++i) {
        const L_PARTDEF& def = brand->Parts[i];
        const L_PARTDEF* first = FirstRoadOf(*brand, def);
        rows.push_back({def.Code, def.Description, static_cast<int>(StockOf(*brand, def)), def.Used,
                        FreeOf(*brand, def), first ? first->Code : std::string()});
    }
    return rows;
}

int64_t SetStock(A_APPL& appl, int part, const std::string& text) {
    L_BRAND* brand = appl.Design.Design.Brand;
    if (!brand || part < 0 || part >= brand->PartCount)
        return 0;
    L_PARTDEF& def = brand->Parts[part];
    def.Stock = ClampToInt32(ParseLong(text));
    if (!SaveStock(appl.Library, appl.ProgramDir))
        ShowAppError(appl, Texts::Fill(Texts::Mark("Cannot write file %1 !"),
                                       {appl.ProgramDir + STOCK_FILE_NAME}));
    return FreeOf(*brand, def);
}
