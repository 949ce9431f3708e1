#include "Stockedit.h"
#include "edit/FixedSize.h"

#include "StockEditing.h"
#include "i18n/Translate.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Column { CODE, SECTION, STOCK, USED, FREE, COLUMNS };
constexpr int WIDTHS[COLUMNS] = {85, 144, 40, 40, 40};
constexpr int WINDOW_WIDTH = 380;
constexpr int WINDOW_HEIGHT = 420;
// The table's frame and vertical scroll bar beside its columns.
constexpr int EXTRA_TABLE_WIDTH = 23;

QTableWidgetItem* Cell(const QString& text, bool number, bool editable = false) {
    auto* item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

TStockEditorForm::TStockEditorForm(A_APPL& appl, QWidget* parent) : QDialog(parent), ApplRef(appl) {
    setWindowTitle(Texts::tr("Inventory Editor"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 8);
    InfoTrackSectionsGrid = new QTableWidget(0, COLUMNS, this);
    InfoTrackSectionsGrid->setObjectName("InfoTrackSectionsGrid");
    InfoTrackSectionsGrid->setToolTip(Texts::tr("Edit 'stock' to the amount of parts you own"));
    InfoTrackSectionsGrid->setHorizontalHeaderLabels({Texts::tr(" Code"), Texts::tr(" Section"),
                                                      Texts::tr("Stock"), Texts::tr("Used"),
                                                      Texts::tr("Free")});
    InfoTrackSectionsGrid->verticalHeader()->hide();
    // Each column at least as wide as its heading, in whatever language.
    const QHeaderView* header = InfoTrackSectionsGrid->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
    int total = 0;
    for (int c = 0; c < COLUMNS; ++c) {
        const QString heading = InfoTrackSectionsGrid->horizontalHeaderItem(c)->text();
        const int width =
            std::max(WIDTHS[c], header->fontMetrics().horizontalAdvance(heading) + margins);
        InfoTrackSectionsGrid->setColumnWidth(c, width);
        total += width;
    }
    InfoTrackSectionsGrid->setMinimumWidth(total + EXTRA_TABLE_WIDTH);
    layout->addWidget(InfoTrackSectionsGrid);
    connect(InfoTrackSectionsGrid, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) {
                // Grid rows count from 1 below the heading row, as the program numbers them.
                InfoTrackSectionsGridSetEditText(item->column(), item->text(), item->row() + 1);
            });
    FixSizeAtLeast(*this, {WINDOW_WIDTH, WINDOW_HEIGHT});
}

void TStockEditorForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TStockEditorForm::FormShow() {
    Filling = true;
    const std::vector<StockRow> rows = StockRows(ApplRef);
    QTableWidget* grid = InfoTrackSectionsGrid;
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const StockRow& row = rows[r];
        grid->setItem(r, CODE, Cell(QString::fromLatin1(row.Code.c_str()), false));
        grid->setItem(r, SECTION, Cell(QString::fromLatin1(row.Description.c_str()), false));
        // The second road of a crossing piece shows the first road's pieces.
        const bool own = row.StockOf.empty();
        QTableWidgetItem* stock = Cell(QString::number(row.Stock), true, own);
        if (own)
            stock->setBackground(palette().toolTipBase());
        else
            stock->setToolTip(Texts::tr("Counted with %1: one piece carries both roads")
                                  .arg(QString::fromLatin1(row.StockOf.c_str())));
        grid->setItem(r, STOCK, stock);
        grid->setItem(r, USED, Cell(QString::number(row.Used), true));
        grid->setItem(r, FREE, Cell(QString::number(row.Free), true));
    }
    Filling = false;
}

void TStockEditorForm::InfoTrackSectionsGridSetEditText(int column, const QString& text, int row) {
    if (Filling || column != STOCK || row < 1)
        return;
    const int64_t free = SetStock(ApplRef, row - 1, text.toStdString());
    Filling = true;
    InfoTrackSectionsGrid->item(row - 1, FREE)->setText(QString::number(free));
    Filling = false;
}
