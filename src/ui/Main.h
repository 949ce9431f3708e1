#pragma once
#include <QMainWindow>

class A_APPL;

// The main window. Creating it runs the program's start-up; when that finds
// no track definitions the window reports it and Started() is false.
class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(A_APPL& appl);
    bool Started() const { return StartedOk; }

  private:
    bool FormCreate();

    A_APPL& Appl;
    bool StartedOk = false;
};
