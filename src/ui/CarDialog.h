#pragma once
#include "sim/LapSimulation.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;

// "Car": a preset of a scale, or the car's own top speed, acceleration,
// braking and sideways grip. Picking a preset shows its values; changing a
// value makes the car "Custom".
class TCarForm : public QDialog {
    Q_OBJECT
  public:
    explicit TCarForm(QWidget* parent);
    void SetCar(const CarPreset& car);
    CarPreset ChosenCar() const;

    QComboBox* Preset = nullptr;
    QDoubleSpinBox* TopSpeed = nullptr;
    QDoubleSpinBox* Acceleration = nullptr;
    QDoubleSpinBox* Braking = nullptr;
    QDoubleSpinBox* Lateral = nullptr;

  private:
    void ShowValues(const Car& car);
    bool Filling = false; // the values change by a preset, not by the user
};
