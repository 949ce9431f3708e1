#include "Roomwizard.h"

#include "Icons.h"
#include "i18n/Translate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int PICTURE_WIDTH = 160;
constexpr int PICTURE_HEIGHT = 120;

struct ShapeRow {
    RoomShape Shape;
    const char* Picture;  // none for an empty room
    const char* Inverted; // the picture mirrored or flipped, its letters upright
    int Boxes;            // A, B, ... enabled
    const char* Invert;   // the toggle's caption; none: hidden
};

constexpr ShapeRow SHAPES[] = {
    {RoomShape::None, nullptr, nullptr, 0, nullptr},
    {RoomShape::Rectangle, "room_rectangle", "room_rectangle", 2, nullptr},
    {RoomShape::LShaped, "room_l", "room_l_mirrored", 4, Texts::Mark("Mirror")},
    {RoomShape::MShaped, "room_m", "room_m_flipped", 6, Texts::Mark("Flip")},
    {RoomShape::TShaped, "room_t", "room_t_flipped", 6, Texts::Mark("Flip")},
};

const ShapeRow& RowOf(RoomShape shape) {
    for (const ShapeRow& row : SHAPES)
        if (row.Shape == shape)
            return row;
    return SHAPES[0];
}

} // namespace

TNewRoomWizard::TNewRoomWizard(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Texts::tr("New Room Wizard"));
    auto* layout = new QHBoxLayout(this);
    auto* shapes = new QGroupBox(Texts::tr("Room Shape"), this);
    auto* shapeLayout = new QVBoxLayout(shapes);
    auto radio = [&](QRadioButton*& button, const char* name, const char* caption,
                     RoomShape shape) {
        button = new QRadioButton(Texts::tr(caption), shapes);
        button->setObjectName(name);
        shapeLayout->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, shape] { ShowShape(shape); });
    };
    radio(RectangleButton, "RectangleButton", Texts::Mark("Rectangle "), RoomShape::Rectangle);
    radio(LButton, "LButton", Texts::Mark("L shaped "), RoomShape::LShaped);
    radio(MButton, "MButton", Texts::Mark("M shaped "), RoomShape::MShaped);
    radio(TButton, "TButton", Texts::Mark("T shaped "), RoomShape::TShaped);
    radio(NoneButton, "NoneButton", Texts::Mark("None"), RoomShape::None);
    shapeLayout->addStretch();
    layout->addWidget(shapes);
    auto* right = new QVBoxLayout;
    RoomImage = new QLabel(this);
    RoomImage->setObjectName("RoomImage");
    RoomImage->setFixedSize(PICTURE_WIDTH, PICTURE_HEIGHT);
    right->addWidget(RoomImage);
    auto* measures = new QGroupBox(this);
    auto* grid = new QGridLayout(measures);
    for (int i = 0; i < 6; ++i) {
        const QString letter(QChar('A' + i));
        grid->addWidget(new QLabel(letter + ":", measures), i, 0);
        Measures[i] = new QLineEdit(measures);
        Measures[i]->setObjectName("q" + letter);
        grid->addWidget(Measures[i], i, 1);
        Units[i] = new QLabel("m", measures);
        Units[i]->setObjectName(letter + "Label");
        grid->addWidget(Units[i], i, 2);
    }
    right->addWidget(measures);
    InvertToggle = new QCheckBox(Texts::tr("Invert"), this);
    InvertToggle->setObjectName("InvertToggle");
    connect(InvertToggle, &QCheckBox::toggled, this, [this] { ShowPicture(); });
    FilledToggle = new QCheckBox(Texts::tr("Filled In"), this);
    FilledToggle->setObjectName("FilledToggle");
    FilledToggle->setChecked(true);
    OkButton = new QPushButton(Texts::tr("OK"), this);
    OkButton->setObjectName("OkButton");
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    right->addWidget(InvertToggle);
    right->addWidget(FilledToggle);
    right->addWidget(OkButton, 0, Qt::AlignRight);
    layout->addLayout(right);
    RectangleButton->setChecked(true);
    ShowShape(RoomShape::Rectangle);
}

void TNewRoomWizard::ShowPicture() {
    const ShapeRow& row = RowOf(Shape);
    const char* picture = InvertToggle->isChecked() ? row.Inverted : row.Picture;
    RoomImage->setPixmap(picture ? AppIcon(picture).pixmap(QSize(PICTURE_WIDTH, PICTURE_HEIGHT))
                                 : QPixmap());
}

void TNewRoomWizard::ShowShape(RoomShape shape) {
    Shape = shape;
    const ShapeRow& row = RowOf(shape);
    ShowPicture();
    for (int i = 0; i < 6; ++i)
        Measures[i]->setEnabled(i < row.Boxes);
    InvertToggle->setVisible(row.Invert != nullptr);
    if (row.Invert)
        InvertToggle->setText(Texts::tr(row.Invert));
    FilledToggle->setVisible(shape != RoomShape::None);
}

void TNewRoomWizard::Fill(bool metric) {
    OkButton->setDefault(true);
    for (QLabel* unit : Units)
        unit->setText(metric ? "m" : "'");
}

RoomOutlineRequest TNewRoomWizard::Request() const {
    RoomOutlineRequest request;
    request.Shape = Shape;
    for (int i = 0; i < 6; ++i)
        request.Measures[i] = Measures[i]->text().toStdString();
    request.Invert = InvertToggle->isChecked();
    request.Filled = FilledToggle->isChecked();
    return request;
}

bool TNewRoomWizard::Ask(RoomOutlineRequest& request, bool metric) {
    Fill(metric);
    if (exec() != QDialog::Accepted)
        return false;
    request = Request();
    return true;
}
