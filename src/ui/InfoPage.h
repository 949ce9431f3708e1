#pragma once
#include "report/TrackList.h"

#include <QWidget>

class QTableView;
class QTextBrowser;
class TSectionListModel;

// The Info page: the brand's parts, the track section list and the totals
// side by side, as the track list file has them; the section list is a table
// that lays out only the rows in view.
class TInfoPage : public QWidget {
  public:
    explicit TInfoPage(QWidget* parent);

    void Show(TrackListPage page);

    QTextBrowser* Sections = nullptr;
    QTableView* List = nullptr;
    QTextBrowser* Totals = nullptr;

  private:
    TSectionListModel* Model = nullptr;
};
