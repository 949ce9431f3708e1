#include "LapCommands.h"

#include "Appl.h"

void CarCommand(A_APPL& appl) {
    CarPreset car = appl.RaceCar;
    if (!appl.Dialogs().AskCar(car))
        return;
    // A preset's values stay the preset's; changed values make the car the user's own.
    if (const CarPreset* preset = FindCarPreset(car.Name))
        car.Values = preset->Values;
    else
        car.Name = CUSTOM_CAR;
    appl.RaceCar = car;
    appl.Changes.Announce({ChangeKind::Car});
}
