#include "Defeditor.h"

#include "DefEditing.h"
#include "Defeditorpart.h"
#include "app/Appl.h"
#include "i18n/Translate.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int LANE_COUNTS[5] = {2, 4, 6, 8, 10};
constexpr int FIELD_LENGTH = 10;
constexpr int STEP_LENGTH = 2;
constexpr int BRAND_ROWS = 25;

struct PartBox {
    const char* Name;
    const char* Label;
    std::string PartFields::*Member;
    int Group; // -1: borders and lanes; else the type group (0 curve .. 3 freeform)
    int MaxLength;
};

const PartBox PART_BOXES[21] = {
    {"DInnerBorderStep", Texts::Mark("Inner border:"), &PartFields::InnerBorderStep, -1,
     STEP_LENGTH},
    {"DInnerBorderWidth", "", &PartFields::InnerBorderWidth, -1, FIELD_LENGTH},
    {"DOuterBorderStep", Texts::Mark("Outer border:"), &PartFields::OuterBorderStep, -1,
     STEP_LENGTH},
    {"DOuterBorderWidth", "", &PartFields::OuterBorderWidth, -1, FIELD_LENGTH},
    {"DTravelLane1", Texts::Mark("Lane 1:"), &PartFields::TravelLane1, -1, FIELD_LENGTH},
    {"DTravelLane2", Texts::Mark("Lane 2:"), &PartFields::TravelLane2, -1, FIELD_LENGTH},
    {"DLaneDistance", Texts::Mark("Lane distance:"), &PartFields::LaneDistance, -1, FIELD_LENGTH},
    {"DC_Angle", Texts::Mark("Angle:"), &PartFields::CurveAngle, 0, FIELD_LENGTH},
    {"DC_Width", Texts::Mark(" Width:"), &PartFields::CurveWidth, 0, FIELD_LENGTH},
    {"DC_OuterRadius", Texts::Mark("Outer Radius:"), &PartFields::CurveOuterRadius, 0,
     FIELD_LENGTH},
    {"DC_InnerRadius", Texts::Mark("Inner Radius:"), &PartFields::CurveInnerRadius, 0,
     FIELD_LENGTH},
    {"DS_Width", Texts::Mark(" Width:"), &PartFields::StraightWidth, 1, FIELD_LENGTH},
    {"DS_Length", Texts::Mark(" Length:"), &PartFields::StraightLength, 1, FIELD_LENGTH},
    {"DI_Width1", Texts::Mark(" Width 1:"), &PartFields::InterfaceWidth1, 2, FIELD_LENGTH},
    {"DI_Width2", Texts::Mark(" Width 2:"), &PartFields::InterfaceWidth2, 2, FIELD_LENGTH},
    {"DI_Length", Texts::Mark(" Length:"), &PartFields::InterfaceLength, 2, FIELD_LENGTH},
    {"DF_Width", Texts::Mark(" Width:"), &PartFields::FreeformWidth, 3, FIELD_LENGTH},
    {"DF_Length", Texts::Mark(" Length:"), &PartFields::FreeformLength, 3, FIELD_LENGTH},
    {"DF_Angle", Texts::Mark("Angle:"), &PartFields::FreeformAngle, 3, FIELD_LENGTH},
    {"DF_NextX", Texts::Mark("Next X:"), &PartFields::FreeformNextX, 3, FIELD_LENGTH},
    {"DF_NextY", Texts::Mark("Next Y:"), &PartFields::FreeformNextY, 3, FIELD_LENGTH},
};

// Type radio buttons and groups in the order of the part types 1..4.
const char* const TYPE_NAMES[4] = {"DCurve", "DStraight", "DInterface", "DFreeform"};
const char* const TYPE_CAPTIONS[4] = {Texts::Mark("Curve"), Texts::Mark("Straight"),
                                      Texts::Mark("Interface"), Texts::Mark("Freeform")};
const char* const GROUP_NAMES[4] = {"DCurveGroup", "DStraightGroup", "DInterfaceGroup",
                                    "DFreeformGroup"};

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.c_str());
}

std::string Bytes(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace

TDefEditorForm::TDefEditorForm(A_APPL& appl, TDefEditorPartForm& partForm, QWidget* parent)
    : QDialog(parent), ApplRef(appl), PartForm(partForm) {
    setObjectName("DefEditorForm");
    setWindowTitle(Texts::tr("Track Definitions Editor"));
    auto* layout = new QVBoxLayout(this);
    BuildMenus();
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildBrandGroup());
    left->addWidget(BuildPartsGroup(), 1);
    columns->addLayout(left, 1);
    columns->addWidget(BuildPartFields());
    layout->addLayout(columns);
    // Creation: the part canvas's grid at 1 by 1 cm, brand 0 and its part 0.
    appl.Define.Grid = true;
    appl.Define.GridX = appl.Define.GridY = 1.0f;
    SelectBrand(appl, appl.Library.Count > 0 ? appl.Library.Brands[0] : nullptr);
    RefreshBrandList();
    RefreshParts();
    RefreshBrand();
    RefreshPart();
    appl.Define.DefinitionsChanged = false;
    setFixedSize(sizeHint());
}

void TDefEditorForm::BuildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    A_APPL& appl = ApplRef;
    auto item = [this](QMenu* menu, const char* name, const char* text, const char* keys,
                       std::function<void()> run) {
        QAction* action = menu->addAction(Texts::tr(text));
        action->setObjectName(name);
        if (keys)
            action->setShortcut(QKeySequence(keys));
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    QMenu* edit = bar->addMenu(Texts::tr("&Edit"));
    item(edit, "DefineCopyPart", Texts::Mark("&Copy Part"), "Ctrl+E",
         [&appl, this] { CopyPart(appl, CurrentRow()); });
    item(edit, "DefinePastePart", Texts::Mark("&Paste Part"), "Ctrl+P", [&appl, this] {
        StorePartFields();
        if (PastePart(appl)) {
            RefreshParts();
            RefreshPart();
            Repaint();
        }
    });
    item(edit, "MirrorXsilkscreen1", Texts::Mark("Mirror X silkscreen"), "Ctrl+M", [&appl, this] {
        MirrorSilkscreen(appl, CurrentRow());
        Repaint();
    });
    QMenu* options = bar->addMenu(Texts::tr("&Options"));
    DefineGridMenu =
        item(options, "DefineGridMenu", Texts::Mark("Define &Grid"), "Ctrl+Alt+G", [&appl, this] {
            appl.Define.Grid = DefineGridMenu->isChecked();
            Repaint();
        });
    DefineGridMenu->setCheckable(true);
    DefineGridMenu->setChecked(true);
    QMenu* define = bar->addMenu(Texts::tr("De&fine"));
    item(define, "DefineSaveDefinitions", Texts::Mark("&Save All Definitions"), nullptr,
         [&appl] { SaveAllDefinitions(appl); });
    item(define, "DefineImportdefDefinitions",
         Texts::Mark("&Import Vireldo V2.x .def file into current"), nullptr, [&appl, this] {
             const std::string file = appl.Dialogs().OpenFile(
                 {Texts::Mark("Import Vireldo V2 definition files"),
                  Texts::Mark("V2 Def files|*.def|All Files|*.*"), "def", ".", ""});
             if (file.empty())
                 return;
             ImportDefinitionFile(appl, file);
             AfterBrandChange();
         });
    define->addSeparator();
    item(define, "DefineSetAllBorders", Texts::Mark("Set All Borders like current part"), nullptr,
         [&appl] { SetAllBorders(appl); });
    item(define, "DefineSetAllLaneDistances",
         Texts::Mark("Set All Lane Distances like current part"), nullptr,
         [&appl] { SetAllLaneDistances(appl); });
    item(define, "Calculatetraveldistance1", Texts::Mark("Calculate travel distance"), "Ctrl+Q",
         [&appl, this] {
             StorePartFields();
             CalculateTravelDistance(appl);
             RefreshPart();
         });
    for (int lane : {1, 2})
        item(define, lane == 1 ? "SetColorToLane1Color" : "SetColorToLane2Color",
             lane == 1 ? Texts::Mark("Set color to lane 1 color")
                       : Texts::Mark("Set color to lane 2 color"),
             lane == 1 ? "Ctrl+1" : "Ctrl+2", [&appl, this, lane] {
                 SetLaneColour(appl, lane);
                 Repaint();
             });
    define->addSeparator();
    item(define, "DefineCopyDefiniition", Texts::Mark("Copy current Definition type to..."),
         nullptr, [&appl, this] {
             std::string code;
             if (appl.Dialogs().AskBrandCode(code) && CopyBrandTo(appl, code))
                 AfterBrandChange();
         });
    item(define, "DefineMergeDefinition", Texts::Mark("Merge current Definition type with..."),
         nullptr, [&appl, this] {
             std::string code;
             if (!appl.Dialogs().AskBrandCode(code) || !MergeBrandWith(appl, code))
                 return;
             RefreshBrandList();
             RefreshBrand();
             RefreshParts();
             RefreshPart();
             Repaint();
         });
}

QGroupBox* TDefEditorForm::BuildBrandGroup() {
    auto* group = new QGroupBox(Texts::tr("Brand"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(Texts::tr("Track Definition Type:"), group), 0, 0, 1, 3);
    DBrandBox = new QComboBox(group);
    DBrandBox->setObjectName("DBrandBox");
    DBrandBox->setMaxVisibleItems(BRAND_ROWS);
    grid->addWidget(DBrandBox, 1, 0, 1, 3);
    connect(DBrandBox, &QComboBox::currentIndexChanged, this, &TDefEditorForm::DBrandBoxChange);
    DNewBrandButton = new QPushButton(Texts::tr("New"), group);
    DNewBrandButton->setObjectName("DNewBrandButton");
    DDeleteBrandButton = new QPushButton(Texts::tr("Delete"), group);
    DDeleteBrandButton->setObjectName("DDeleteBrandButton");
    grid->addWidget(DNewBrandButton, 2, 1);
    grid->addWidget(DDeleteBrandButton, 2, 2);
    connect(DNewBrandButton, &QPushButton::clicked, this, [this] {
        std::string code;
        if (ApplRef.Dialogs().AskBrandCode(code) && NewBrand(ApplRef, code))
            AfterBrandChange();
    });
    connect(DDeleteBrandButton, &QPushButton::clicked, this, [this] {
        if (DeleteCurrentBrand(ApplRef))
            AfterBrandChange();
    });
    auto row = [&](const char* label, QLineEdit*& field, const char* name, int maxLength, int r) {
        grid->addWidget(new QLabel(Texts::tr(label), group), r, 0);
        field = new QLineEdit(group);
        field->setObjectName(name);
        field->setMaxLength(maxLength);
        grid->addWidget(field, r, 1, 1, 2);
        connect(field, &QLineEdit::editingFinished, this, &TDefEditorForm::BrandFieldChanged);
    };
    row(Texts::Mark("Description:"), DBrandDescription, "DBrandDescription", 50, 3);
    row(Texts::Mark("Default Width:"), DDefaultWidth, "DDefaultWidth", FIELD_LENGTH, 4);
    row(Texts::Mark("Zoom:"), DPartZoom, "DPartZoom", 8, 5);
    grid->addWidget(new QLabel(Texts::tr("Number of lanes:"), group), 6, 0);
    auto* lanes = new QHBoxLayout;
    const char* const names[5] = {"DTwoLane", "DFourLane", "DSixLane", "DEightLane", "DTenLane"};
    for (int i = 0; i < 5; ++i) {
        DLanes[i] = new QRadioButton(QString::number(LANE_COUNTS[i]), group);
        DLanes[i]->setObjectName(names[i]);
        lanes->addWidget(DLanes[i]);
        connect(DLanes[i], &QRadioButton::clicked, this, &TDefEditorForm::BrandFieldChanged);
    }
    grid->addLayout(lanes, 6, 1, 1, 2);
    DMetric = new QCheckBox(Texts::tr("Metric"), group); // present, never shown
    DMetric->setObjectName("DMetric");
    DMetric->hide();
    return group;
}

QGroupBox* TDefEditorForm::BuildPartsGroup() {
    auto* group = new QGroupBox(Texts::tr("Parts"), this);
    auto* layout = new QVBoxLayout(group);
    DPartsGrid = new QTableWidget(0, 3, group);
    DPartsGrid->setObjectName("DPartsGrid");
    DPartsGrid->setHorizontalHeaderLabels({Texts::tr(" Code"), Texts::tr(" Description"), " D"});
    DPartsGrid->verticalHeader()->hide();
    DPartsGrid->setColumnWidth(0, 69);
    DPartsGrid->setColumnWidth(1, 240);
    DPartsGrid->setColumnWidth(2, 17);
    DPartsGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    DPartsGrid->setMinimumWidth(69 + 240 + 17 + 24);
    layout->addWidget(DPartsGrid, 1);
    connect(DPartsGrid, &QTableWidget::currentCellChanged, this,
            [this](int row) { DPartsGridSelectCell(row); });
    connect(DPartsGrid, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { DPartsGridSetEditText(item->row(), item->column()); });
    auto* buttons = new QHBoxLayout;
    auto button = [&](QPushButton*& b, const char* name, const QString& text) {
        b = new QPushButton(text, group);
        b->setObjectName(name);
        buttons->addWidget(b);
    };
    button(DNewPartButton, "DNewPartButton", Texts::tr("New"));
    button(DUpButton, "DUpButton", QString::fromUtf8("\u25B2"));
    button(DDownButton, "DDownButton", QString::fromUtf8("\u25BC"));
    button(DDeletePartButton, "DDeletePartButton", Texts::tr("Delete"));
    DNewPartButton->setDefault(true);
    layout->addLayout(buttons);
    connect(DNewPartButton, &QPushButton::clicked, this, [this] {
        StorePartFields();
        if (!NewPart(ApplRef))
            return;
        RefreshParts();
        DPartsGrid->setCurrentCell(DPartsGrid->rowCount() - 1, 0);
    });
    connect(DDeletePartButton, &QPushButton::clicked, this, [this] {
        if (!DeletePart(ApplRef, CurrentRow()))
            return;
        RefreshParts();
        RefreshPart();
        Repaint();
    });
    for (int step : {-1, 1})
        connect(step < 0 ? DUpButton : DDownButton, &QPushButton::clicked, this, [this, step] {
            const int row = MovePart(ApplRef, CurrentRow(), step);
            RefreshParts();
            Filling = true;
            DPartsGrid->setCurrentCell(row, 0);
            Filling = false;
            RefreshPart();
        });
    return group;
}

QLineEdit* TDefEditorForm::Field(const char* name, int maxLength) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setMaxLength(maxLength);
    field->setFixedWidth(80);
    connect(field, &QLineEdit::editingFinished, this, &TDefEditorForm::PartFieldChanged);
    return field;
}

QWidget* TDefEditorForm::BuildPartFields() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    auto* types = new QGroupBox(Texts::tr("Type"), panel);
    auto* typeLayout = new QHBoxLayout(types);
    for (int t = 0; t < 4; ++t) {
        DTypes[t] = new QRadioButton(Texts::tr(TYPE_CAPTIONS[t]), types);
        DTypes[t]->setObjectName(TYPE_NAMES[t]);
        typeLayout->addWidget(DTypes[t]);
        connect(DTypes[t], &QRadioButton::clicked, this, &TDefEditorForm::PartFieldChanged);
    }
    layout->addWidget(types);
    auto* lanes = new QGridLayout;
    lanes->addWidget(new QLabel(Texts::tr("Step"), panel), 0, 1);
    lanes->addWidget(new QLabel(Texts::tr(" Width"), panel), 0, 2);
    lanes->addWidget(new QLabel(Texts::tr("Travel Dist."), panel), 4, 1);
    std::array<QGridLayout*, 4> groupGrids{};
    for (int t = 0; t < 4; ++t) {
        TypeGroups[t] = new QGroupBox(panel);
        TypeGroups[t]->setObjectName(GROUP_NAMES[t]);
        groupGrids[t] = new QGridLayout(TypeGroups[t]);
    }
    for (size_t i = 0; i < std::size(PART_BOXES); ++i) {
        const PartBox& box = PART_BOXES[i];
        PartBoxes[i] = Field(box.Name, box.MaxLength);
        if (box.Group < 0) {
            const int row = i < 4 ? 1 + static_cast<int>(i) / 2 : static_cast<int>(i) + 1;
            const int column = i < 4 ? 1 + static_cast<int>(i) % 2 : 1;
            if (*box.Label)
                lanes->addWidget(new QLabel(Texts::tr(box.Label), panel), row, 0);
            lanes->addWidget(PartBoxes[i], row, column);
        } else {
            QGridLayout* grid = groupGrids[box.Group];
            const int row = grid->rowCount();
            grid->addWidget(new QLabel(Texts::tr(box.Label), TypeGroups[box.Group]), row, 0);
            grid->addWidget(PartBoxes[i], row, 1);
        }
    }
    PartBoxes[10]->setEnabled(false); // the inner radius follows from the others
    for (int t : {2, 3})
        groupGrids[t]->addWidget(new QLabel(Texts::tr("All in cm"), TypeGroups[t]),
                                 groupGrids[t]->rowCount(), 0, 1, 2);
    DCrossTrack = new QCheckBox(Texts::tr("Lane swap"), panel);
    DCrossTrack->setObjectName("DCrossTrack");
    connect(DCrossTrack, &QCheckBox::clicked, this, &TDefEditorForm::PartFieldChanged);
    lanes->addWidget(DCrossTrack, 8, 1, 1, 2);
    layout->addLayout(lanes);
    // One place for whichever type group shows.
    auto* groups = new QGridLayout;
    for (QGroupBox* group : TypeGroups)
        groups->addWidget(group, 0, 0);
    layout->addLayout(groups);
    layout->addStretch();
    return panel;
}

void TDefEditorForm::Fields(PartFields& fields, bool store) {
    for (size_t i = 0; i < std::size(PART_BOXES); ++i) {
        std::string& value = fields.*PART_BOXES[i].Member;
        if (store)
            value = Bytes(PartBoxes[i]->text());
        else
            PartBoxes[i]->setText(Latin1(value));
    }
    if (store) {
        for (int t = 0; t < 4; ++t)
            if (DTypes[t]->isChecked())
                fields.Type = t + 1;
        fields.CrossTrack = DCrossTrack->isChecked();
    }
}

int TDefEditorForm::CurrentRow() const {
    const L_BRAND* brand = ApplRef.Define.Brand;
    const L_PARTDEF* part = ApplRef.Define.Part;
    return brand && part ? brand->IndexOfPart(part) : -1;
}

void TDefEditorForm::RefreshBrandList() {
    Filling = true;
    DBrandBox->clear();
    for (int i = 0; i < ApplRef.Library.Count; ++i) {
        const L_BRAND& brand = *ApplRef.Library.Brands[i];
        DBrandBox->addItem(Latin1(brand.Name + " - " + brand.Description));
    }
    DBrandBox->setCurrentIndex(0);
    Filling = false;
}

void TDefEditorForm::RefreshBrand() {
    const L_BRAND* brand = ApplRef.Define.Brand;
    if (!brand)
        return;
    Filling = true;
    const BrandFields fields = ShowBrand(*brand);
    DBrandDescription->setText(Latin1(fields.Description));
    DPartZoom->setText(Latin1(fields.Zoom));
    DDefaultWidth->setText(Latin1(fields.DefaultWidth));
    DMetric->setChecked(fields.Metric);
    for (int i = 0; i < 5; ++i)
        if (LANE_COUNTS[i] == fields.Lanes)
            DLanes[i]->setChecked(true);
    DBrandBox->setCurrentIndex(ApplRef.Library.IndexOfBrand(brand));
    Filling = false;
}

void TDefEditorForm::RefreshParts() {
    const L_BRAND* brand = ApplRef.Define.Brand;
    if (!brand)
        return;
    Filling = true;
    DPartsGrid->setRowCount(brand->PartCount);
    for (int i = 0; i < brand->PartCount; ++i) {
        for (int c = 0; c < 2; ++c) {
            const std::string& text = c == 0 ? brand->Parts[i].Code : brand->Parts[i].Description;
            if (!DPartsGrid->item(i, c))
                DPartsGrid->setItem(i, c, new QTableWidgetItem);
            DPartsGrid->item(i, c)->setText(Latin1(text));
        }
        if (!DPartsGrid->item(i, 2))
            DPartsGrid->setItem(i, 2, new QTableWidgetItem);
    }
    Filling = false;
}

void TDefEditorForm::RefreshPart() {
    L_PARTDEF* part = ApplRef.Define.Part;
    if (!part)
        return;
    Filling = true;
    SelectPart(ApplRef, part); // a part without a silkscreen gets one to draw on
    PartFields fields = ShowPart(*part);
    Fields(fields, false);
    for (int t = 0; t < 4; ++t) {
        TypeGroups[t]->setVisible(part->Type == t + 1);
        DTypes[t]->setChecked(part->Type == t + 1);
    }
    DCrossTrack->setChecked(part->CrossTrack);
    Filling = false;
}

void TDefEditorForm::StoreBrandFields() {
    L_BRAND* brand = ApplRef.Define.Brand;
    if (Filling || !brand)
        return;
    BrandFields fields;
    fields.Description = Bytes(DBrandDescription->text());
    fields.Zoom = Bytes(DPartZoom->text());
    fields.DefaultWidth = Bytes(DDefaultWidth->text());
    fields.Metric = DMetric->isChecked();
    fields.Lanes = brand->Lanes;
    for (int i = 0; i < 5; ++i)
        if (DLanes[i]->isChecked())
            fields.Lanes = LANE_COUNTS[i];
    StoreBrand(*brand, fields);
}

void TDefEditorForm::StorePartFields() {
    L_PARTDEF* part = ApplRef.Define.Part;
    if (Filling || !part)
        return;
    PartFields fields = ShowPart(*part);
    Fields(fields, true);
    StorePart(*part, fields);
}

void TDefEditorForm::BrandFieldChanged() {
    if (Filling)
        return;
    MarkChanged(ApplRef);
    StoreBrandFields();
    RefreshBrand();
}

void TDefEditorForm::PartFieldChanged() {
    if (Filling)
        return;
    MarkChanged(ApplRef);
    StorePartFields();
    RefreshPart();
    Repaint();
}

void TDefEditorForm::DBrandBoxChange(int index) {
    if (Filling || index < 0 || index >= ApplRef.Library.Count)
        return;
    SelectBrand(ApplRef, ApplRef.Library.Brands[index]);
    RefreshBrand();
    RefreshParts();
    RefreshPart();
    DPartsGrid->setCurrentCell(0, 0);
    Repaint();
}

void TDefEditorForm::DPartsGridSelectCell(int row) {
    L_BRAND* brand = ApplRef.Define.Brand;
    if (Filling || !brand || row < 0 || row >= brand->PartCount)
        return;
    SelectPart(ApplRef, &brand->Parts[row]);
    RefreshPart();
    Repaint();
}

void TDefEditorForm::DPartsGridSetEditText(int row, int column) {
    L_BRAND* brand = ApplRef.Define.Brand;
    if (Filling || !brand || row < 0 || row >= brand->PartCount)
        return;
    C_DEFINE& editor = ApplRef.Define;
    if (!editor.ReminderShown) {
        editor.ReminderShown = true;
        ApplRef.Dialogs().Message(
            Texts::Mark("REMINDER!\n\nIf you want to change part codes of existing parts you "
                        "already have used in previous saved designs you will not be able to load "
                        "these designs anymore!"),
            MessageKind::Information);
    }
    QTableWidgetItem* item = DPartsGrid->item(row, column);
    if (column == 2) {
        // The mark of the " D" column is for the eye only.
        Filling = true;
        item->setText(item->text().compare("x", Qt::CaseInsensitive) == 0 ? "X" : "");
        Filling = false;
        return;
    }
    MarkChanged(ApplRef);
    (column == 0 ? brand->Parts[row].Code : brand->Parts[row].Description) = Bytes(item->text());
}

void TDefEditorForm::AfterBrandChange() {
    RefreshBrandList();
    RefreshBrand();
    RefreshParts();
    RefreshPart();
    Filling = true;
    DPartsGrid->setCurrentCell(CurrentRow(), 0);
    Filling = false;
    Repaint();
}

void TDefEditorForm::Repaint() {
    RepaintPanel(ApplRef.Canvases);
}

void TDefEditorForm::showEvent(QShowEvent* event) {
    ApplRef.CurrentTab = TAB_DEFINE;
    ApplRef.SetCurrentPanel(&ApplRef.Define);
    // Once the window system has placed the editor, the part goes beside it.
    QTimer::singleShot(0, this, &TDefEditorForm::PlacePartForm);
    PartForm.show();
    PartForm.FormShow();
    RefreshPart();
    Repaint();
    QDialog::showEvent(event);
}

// Beside the editor where the screen has room, else as far right as it has.
void TDefEditorForm::PlacePartForm() {
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    // The editor at the screen's left, the part beside it as far as there is room.
    const QRect free = screen->availableGeometry();
    move(free.left(), std::max(free.top(), pos().y()));
    const int x = std::min(frameGeometry().right() + 8, free.right() - PartForm.width());
    PartForm.move(std::max(x, free.left()), frameGeometry().top());
}

void TDefEditorForm::hideEvent(QHideEvent* event) {
    StorePartFields();
    PartForm.hide();
    QDialog::hideEvent(event);
}
