#include "SectionListModel.h"

#include "i18n/Translate.h"
#include "report/TrackList.h"

#include <algorithm>

namespace {

enum Column { DIR = 3, HEIGHT = 4, INNER = 5, OUTER = 6, LANE1 = 7, LANE2 = 8 };

Qt::Alignment AlignmentOf(int column) {
    switch (column) {
    case HEIGHT:
    case LANE1:
    case LANE2:
        return Qt::AlignRight | Qt::AlignVCenter;
    case DIR:
    case INNER:
    case OUTER:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

void TSectionListModel::SetRows(std::vector<SectionRow> rows, const TrackListUnits& units) {
    beginResetModel();
    Rows = std::move(rows);
    Units = units;
    endResetModel();
}

QString TSectionListModel::LongestLaneText() const {
    float longest = 0.0f;
    for (const SectionRow& row : Rows)
        longest = std::max({longest, row.Lane1, row.Lane2});
    return QString::fromStdString(LengthText(longest, Units));
}

int TSectionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Rows.size());
}

int TSectionListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : SECTION_COLUMNS;
}

QVariant TSectionListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= SECTION_COLUMNS)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(index.column()));
    if (role != Qt::DisplayRole)
        return {};
    const std::string cell = SectionCell(Rows[size_t(index.row())], index.column(), Units);
    return QString::fromLatin1(cell.c_str()); // definitions are Latin-1
}

QVariant TSectionListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= SECTION_COLUMNS)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(section));
    if (role != Qt::DisplayRole)
        return {};
    return Texts::tr(SECTION_HEADINGS[size_t(section)]);
}
