#include "Notifications.h"

#include "Appl.h"

void RedrawPartSelectorForStock(A_APPL& appl) {
    if (appl.Design.ColorOutOfStock || !appl.Design.ShowOutOfStock)
        DrawPartSelector(appl);
}
