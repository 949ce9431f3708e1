#include "Notifications.h"

#include "Appl.h"

void RefreshInfoPage(A_APPL&) {}

void RedrawPartSelectorForStock(A_APPL& appl) {
    if (appl.Design.ColorOutOfStock || !appl.Design.ShowOutOfStock)
        DrawPartSelector(appl);
}
