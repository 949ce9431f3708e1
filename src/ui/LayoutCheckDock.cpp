#include "LayoutCheckDock.h"

#include "app/Appl.h"
#include "edit/CanvasPanel.h"
#include "i18n/Translate.h"

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor MARK_COLOUR(0xFF, 0x00, 0xFF); // magenta: no part, lane or selection has it
constexpr int MARK_RADIUS = 9;

} // namespace

TLayoutCheckDock::TLayoutCheckDock(A_APPL& appl, QWidget* parent)
    : QDockWidget(Texts::tr("Layout Check"), parent), ApplRef(appl) {
    setObjectName("LayoutCheckDock");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    LayoutCheckList = new QListWidget(body);
    LayoutCheckList->setObjectName("LayoutCheckList");
    LayoutCheckList->setWordWrap(true);
    layout->addWidget(LayoutCheckList);
    CloseLoopButton = new QPushButton(Texts::tr("Close Loop..."), body);
    CloseLoopButton->setObjectName("CloseLoopButton");
    CloseLoopButton->setToolTip(Texts::tr("Propose parts that close the selected open track"));
    layout->addWidget(CloseLoopButton);
    setWidget(body);
    connect(LayoutCheckList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = LayoutCheckList->row(item);
        if (row >= 0 && row < static_cast<int>(Lines.size()))
            GoToFinding(ApplRef, Lines[row]);
    });
    connect(CloseLoopButton, &QPushButton::clicked, this, [this] { CloseLoopCommand(ApplRef); });
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            Refresh();
        if (ApplRef.Design.Control)
            ApplRef.Design.Control->update();
    });
}

void TLayoutCheckDock::Refresh() {
    Lines = LayoutFindings(ApplRef, Marks);
    LayoutCheckList->clear();
    for (const FindingLine& line : Lines) {
        auto* item = new QListWidgetItem(Texts::Message(line.Text), LayoutCheckList);
        if (line.Open)
            item->setForeground(MARK_COLOUR.darker());
    }
    if (ApplRef.Design.Control)
        ApplRef.Design.Control->update();
}

void TLayoutCheckDock::DrawMarks(QPainter& painter) const {
    if (!isVisible())
        return;
    const C_VIRELDO& design = ApplRef.Design;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(MARK_COLOUR, 3));
    painter.setBrush(Qt::NoBrush);
    for (const CheckMark& mark : Marks)
        painter.drawEllipse(QPointF(design.OriginX() + mark.X * design.Zoom,
                                    design.OriginY() + mark.Y * design.Zoom),
                            MARK_RADIUS, MARK_RADIUS);
}
