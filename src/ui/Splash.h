#pragma once
#include <QLabel>
#include <QWidget>

// Shown while the program starts without a design file.
class TSplashForm : public QWidget {
    Q_OBJECT
  public:
    TSplashForm();
    QLabel* VersieLabel = nullptr;
};
