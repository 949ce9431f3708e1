#pragma once
#include <QDialog>
#include <QLabel>

// Version texts of the About box, the splash window and the window title.
inline const char* const PRODUCT_NAME = "Vireldo";
inline const char* const PRODUCT_VERSION = "2000";
inline const char* const PRODUCT_SUBVERSION = "V3.0b";
inline const char* const PRODUCT_SUBTITLE = "Track layout designer for slot-car racing";
inline const char* const PRODUCT_MAKER = "Made by the Vireldo developers";
inline const char* const PRODUCT_MAIL = "info@vireldo.example";
inline const char* const PRODUCT_WEB = "https://vireldo.example/";

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent);
    QLabel* VersieLabel = nullptr;
    QLabel* SubVersieLabel = nullptr;
    QLabel* Label4 = nullptr; // the e-mail address
    QLabel* Label5 = nullptr; // the web address
};
