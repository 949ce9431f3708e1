#include "Settings.h"

#include "Appl.h"
#include "render/TrueScale.h"

#include <QByteArray>
#include <QDir>
#include <QStandardPaths>
#include <cstring>

namespace {

// Bools are 32-bit integers 0 or 1, read as true when not 0; floats are
// 8-byte binary values holding an IEEE double.
void WriteBool(QSettings& store, const char* name, bool value) {
    store.setValue(name, value ? 1 : 0);
}
void WriteInt(QSettings& store, const char* name, int value) {
    store.setValue(name, value);
}
void WriteText(QSettings& store, const char* name, const std::string& value) {
    store.setValue(name, QString::fromLatin1(value.c_str()));
}
void WriteFloat(QSettings& store, const char* name, float value) {
    const double wide = value;
    store.setValue(name, QByteArray(reinterpret_cast<const char*>(&wide), sizeof wide));
}

// Each reader leaves its target alone when the value is absent or not of its type.
void ReadInt(QSettings& store, const char* name, int& target) {
    bool ok = false;
    const int value = store.value(name).toInt(&ok);
    if (store.contains(name) && ok)
        target = value;
}
void ReadBool(QSettings& store, const char* name, bool& target) {
    int value = target ? 1 : 0;
    ReadInt(store, name, value);
    target = value != 0;
}
void ReadText(QSettings& store, const char* name, std::string& target) {
    const QVariant value = store.value(name);
    if (store.contains(name) && value.canConvert<QString>())
        target = value.toString().toLatin1().toStdString();
}
void ReadFloat(QSettings& store, const char* name, float& target) {
    const QByteArray bytes = store.value(name).toByteArray();
    double wide = 0;
    if (!store.contains(name) || bytes.size() != sizeof wide)
        return;
    std::memcpy(&wide, bytes.constData(), sizeof wide);
    target = static_cast<float>(wide);
}

const char* const LAST_FILES[RECENT_FILE_COUNT] = {"LastFile1", "LastFile2", "LastFile3",
                                                   "LastFile4"};

// The car: a preset's name, or "Custom" with its four values.
void ReadCar(QSettings& store, CarPreset& car) {
    std::string name = car.Name;
    ReadText(store, "Car", name);
    if (const CarPreset* preset = FindCarPreset(name)) {
        car = *preset;
        return;
    }
    if (name != CUSTOM_CAR)
        return;
    float values[] = {0, 0, 0, 0};
    const char* const names[] = {"CarTopSpeed", "CarAcceleration", "CarBraking", "CarLateral"};
    for (int i = 0; i < 4; ++i) {
        ReadFloat(store, names[i], values[i]);
        if (!(values[i] >= CAR_LEAST && values[i] <= CAR_MOST))
            return; // a damaged value: the car stays as it was
    }
    car = {CUSTOM_CAR, {values[0], values[1], values[2], values[3]}};
}

void WriteCar(QSettings& store, const CarPreset& car) {
    WriteText(store, "Car", car.Name);
    WriteFloat(store, "CarTopSpeed", static_cast<float>(car.Values.TopSpeed));
    WriteFloat(store, "CarAcceleration", static_cast<float>(car.Values.Acceleration));
    WriteFloat(store, "CarBraking", static_cast<float>(car.Values.Braking));
    WriteFloat(store, "CarLateral", static_cast<float>(car.Values.Lateral));
}

// The fresh-install marker: a previous run wrote the values.
bool WrittenBefore(QSettings& store) {
    int marker = 1;
    ReadInt(store, "FreshInstall", marker);
    return marker == 0;
}

void ReadValues(A_APPL& appl, QSettings& store) {
    C_VIRELDO& design = appl.Design;
    ReadBool(store, "WizardStartup", appl.WizardStartup);
    ReadBool(store, "PrintMono", appl.PrintMono);
    ReadBool(store, "Metric", appl.Metric);
    ReadInt(store, "WindowState", appl.StoredWindowState);
    ReadText(store, "Brand", appl.StoredBrand);
    ReadText(store, "Room", appl.StoredRoom);
    ReadText(store, "Language", appl.Language);
    ReadBool(store, "Ruler", design.Ruler);
    ReadBool(store, "Filled", design.Filled);
    ReadBool(store, "ColorLanes", design.ColorLanes);
    ReadBool(store, "ShowPoints", design.ShowPoints);
    ReadBool(store, "ShowPartCodes", design.ShowPartCodes);
    ReadBool(store, "PaletteCodes", appl.Palette.ShowPartCodes);
    ReadBool(store, "ShowHeights", design.ShowHeights);
    std::string style;
    ReadText(store, "TrueScaleStyle", style);
    StyleFromName(style, appl.OutputStyle);
    ReadCar(store, appl.RaceCar);
    ReadBool(store, "ColorOutOfStock", design.ColorOutOfStock);
    ReadBool(store, "ShowOutOfStock", design.ShowOutOfStock);
    ReadText(store, "LastUsedPath", appl.LastUsedPath);
    for (int i = 0; i < RECENT_FILE_COUNT; ++i)
        ReadText(store, LAST_FILES[i], appl.RecentFiles[i]);
    ReadBool(store, "DesignGrid", design.Grid);
    ReadFloat(store, "DesignXGrid", design.GridX);
    ReadFloat(store, "DesignYGrid", design.GridY);
    ReadBool(store, "RoomGrid", appl.Room.Grid);
    ReadFloat(store, "RoomXGrid", appl.Room.GridX);
    ReadFloat(store, "RoomYGrid", appl.Room.GridY);
    ReadBool(store, "DefineGrid", appl.Define.Grid);
    ReadFloat(store, "DefineXGrid", appl.Define.GridX);
    ReadFloat(store, "DefineYGrid", appl.Define.GridY);
}

} // namespace

std::unique_ptr<QSettings> OpenSettings(const std::string& fileName) {
    if (!fileName.empty())
        return std::make_unique<QSettings>(QString::fromLocal8Bit(fileName.c_str()),
                                           QSettings::IniFormat);
#ifdef _WIN32
    return std::make_unique<QSettings>("HKEY_CURRENT_USER\\SOFTWARE\\Vireldo 2000",
                                       QSettings::NativeFormat);
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation);
    return std::make_unique<QSettings>(QDir(folder).filePath("Vireldo/Vireldo 2000.ini"),
                                       QSettings::IniFormat);
#endif
}

void ReadSettings(A_APPL& appl, QSettings& store) {
    const bool written = WrittenBefore(store);
    WriteInt(store, "FreshInstall", 0);
    store.sync();
    if (written)
        ReadValues(appl, store);
}

std::string StoredLanguage(QSettings& store) {
    std::string language;
    if (WrittenBefore(store))
        ReadText(store, "Language", language);
    return language;
}

void WriteSettings(A_APPL& appl, QSettings& store, int windowState) {
    const C_VIRELDO& design = appl.Design;
    WriteBool(store, "PrintMono", appl.PrintMono);
    WriteBool(store, "Metric", appl.Metric);
    WriteText(store, "Brand", design.Design.Brand ? design.Design.Brand->Name : "");
    WriteText(store, "Room", appl.Room.RoomFileName);
    WriteText(store, "Language", appl.Language);
    WriteInt(store, "WindowState", windowState);
    WriteBool(store, "Ruler", design.Ruler);
    WriteBool(store, "ColorLanes", design.ColorLanes);
    WriteBool(store, "Filled", design.Filled);
    WriteBool(store, "ShowPoints", design.ShowPoints);
    WriteBool(store, "ShowPartCodes", design.ShowPartCodes);
    WriteBool(store, "PaletteCodes", appl.Palette.ShowPartCodes);
    WriteBool(store, "ShowHeights", design.ShowHeights);
    WriteText(store, "TrueScaleStyle", StyleName(appl.OutputStyle));
    WriteCar(store, appl.RaceCar);
    WriteBool(store, "ShowOutOfStock", design.ShowOutOfStock);
    WriteBool(store, "ColorOutOfStock", design.ColorOutOfStock);
    WriteText(store, "LastUsedPath", appl.LastUsedPath);
    for (int i = 0; i < RECENT_FILE_COUNT; ++i)
        WriteText(store, LAST_FILES[i], appl.RecentFiles[i]);
    WriteFloat(store, "DesignZoom", design.Zoom);
    WriteBool(store, "WizardStartup", appl.WizardStartup);
    WriteBool(store, "DesignGrid", design.Grid);
    WriteFloat(store, "DesignXGrid", design.GridX);
    WriteFloat(store, "DesignYGrid", design.GridY);
    WriteBool(store, "RoomGrid", appl.Room.Grid);
    WriteFloat(store, "RoomXGrid", appl.Room.GridX);
    WriteFloat(store, "RoomYGrid", appl.Room.GridY);
    WriteBool(store, "DefineGrid", appl.Define.Grid);
    WriteFloat(store, "DefineXGrid", appl.Define.GridX);
    WriteFloat(store, "DefineYGrid", appl.Define.GridY);
    store.sync();
}
