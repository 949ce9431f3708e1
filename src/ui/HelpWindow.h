#pragma once
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The manual and the tutorial, shown inside the program: it needs no web
// browser on the system, and links between the pages, back and forward work.
class THelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit THelpWindow(QWidget* parent);
    // Shows a local page and brings the window to the front.
    void ShowPage(const QString& fileName);
    QTextBrowser* Browser = nullptr;
    QToolButton* BackButton = nullptr;
    QToolButton* ForwardButton = nullptr;
};
