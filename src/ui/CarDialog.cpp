#include "CarDialog.h"
#include "i18n/Translate.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* ValueBox(QWidget* parent, const char* name, const char* unit) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(CAR_LEAST, CAR_MOST);
    box->setDecimals(2);
    box->setSingleStep(0.5);
    box->setSuffix(QString(" ") + unit);
    return box;
}

} // namespace

TCarForm::TCarForm(QWidget* parent) : QDialog(parent) {
    setObjectName("CarForm");
    setWindowTitle(Texts::tr("Car"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    Preset = new QComboBox(this);
    Preset->setObjectName("CarPreset");
    for (const CarPreset& preset : CarPresets())
        Preset->addItem(QString::fromLatin1(preset.Name.c_str()));
    Preset->addItem(CUSTOM_CAR);
    form->addRow(Texts::tr("&Car:"), Preset);
    TopSpeed = ValueBox(this, "CarTopSpeed", "m/s");
    Acceleration = ValueBox(this, "CarAcceleration", "m/s\u00B2");
    Braking = ValueBox(this, "CarBraking", "m/s\u00B2");
    Lateral = ValueBox(this, "CarLateral", "m/s\u00B2");
    form->addRow(Texts::tr("&Top speed:"), TopSpeed);
    form->addRow(Texts::tr("&Acceleration:"), Acceleration);
    form->addRow(Texts::tr("&Braking:"), Braking);
    form->addRow(Texts::tr("&Grip in curves:"), Lateral);
    layout->addLayout(form);
    auto* note = new QLabel(
        Texts::tr("The presets are typical cars of each scale, not measured ones."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Preset, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (const CarPreset* preset = FindCarPreset(name.toStdString()))
            ShowValues(preset->Values);
    });
    for (QDoubleSpinBox* box : {TopSpeed, Acceleration, Braking, Lateral})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] {
            if (!Filling)
                Preset->setCurrentText(CUSTOM_CAR);
        });
}

void TCarForm::ShowValues(const Car& car) {
    Filling = true;
    TopSpeed->setValue(car.TopSpeed);
    Acceleration->setValue(car.Acceleration);
    Braking->setValue(car.Braking);
    Lateral->setValue(car.Lateral);
    Filling = false;
}

void TCarForm::SetCar(const CarPreset& car) {
    ShowValues(car.Values);
    Filling = true;
    Preset->setCurrentText(FindCarPreset(car.Name) ? QString::fromLatin1(car.Name.c_str())
                                                   : QString(CUSTOM_CAR));
    Filling = false;
}

CarPreset TCarForm::ChosenCar() const {
    return {Preset->currentText().toStdString(),
            {TopSpeed->value(), Acceleration->value(), Braking->value(), Lateral->value()}};
}
