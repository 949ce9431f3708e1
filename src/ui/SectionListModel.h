#pragma once
#include "report/SectionList.h"

#include <QAbstractTableModel>
#include <vector>

// The track section list as a table model: the view asks only for the rows
// it shows, so 64,000 parts cost what a screenful costs.
class TSectionListModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(std::vector<SectionRow> rows, const TrackListUnits& units);
    // The text of the longest lane length of any row: the lane columns' width.
    QString LongestLaneText() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<SectionRow> Rows;
    TrackListUnits Units;
};
