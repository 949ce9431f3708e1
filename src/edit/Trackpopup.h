#pragma once
#include <QLineEdit>
#include <QWidget>

// The small "Info" window that shows the driven length of both lanes of a
// track. Created once, shown and hidden by the pointer handling.
class TTrackPopupForm : public QWidget {
    Q_OBJECT
  public:
    explicit TTrackPopupForm(QWidget* parent);
    QLineEdit* Travel1 = nullptr;
    QLineEdit* Travel2 = nullptr;
};
