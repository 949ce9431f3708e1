#include "Splash.h"

#include "About.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

TSplashForm::TSplashForm()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QString(PRODUCT_NAME) + " " + PRODUCT_VERSION);
    setFixedSize(301, 137);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    outer->addWidget(panel);
    auto* layout = new QVBoxLayout(panel);
    auto* title = new QHBoxLayout;
    auto* name = new QLabel(PRODUCT_NAME, panel);
    QFont big = name->font();
    big.setPointSize(24);
    big.setBold(true);
    name->setFont(big);
    VersieLabel = new QLabel(PRODUCT_VERSION, panel);
    title->addWidget(name);
    title->addWidget(VersieLabel, 0, Qt::AlignBottom);
    title->addStretch();
    layout->addLayout(title);
    layout->addWidget(new QLabel(PRODUCT_SUBTITLE, panel));
    layout->addWidget(new QLabel(PRODUCT_MAKER, panel));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}
