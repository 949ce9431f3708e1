#include "HelpWindow.h"
#include "i18n/Translate.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int HELP_WIDTH = 820;
constexpr int HELP_HEIGHT = 640;

QToolButton* NavigationButton(const QString& text, QStyle::StandardPixmap icon, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setEnabled(false);
    return button;
}

} // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle(Texts::tr("Vireldo Help"));
    resize(HELP_WIDTH, HELP_HEIGHT);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    BackButton = NavigationButton(Texts::tr("Back"), QStyle::SP_ArrowBack, this);
    ForwardButton = NavigationButton(Texts::tr("Forward"), QStyle::SP_ArrowForward, this);
    bar->addWidget(BackButton);
    bar->addWidget(ForwardButton);
    // The manual is not translated: a reader of another language is told so.
    const char* english = Texts::Mark("The manual is in English.");
    if (Texts::tr(english) != QString(english)) {
        auto* note = new QLabel(Texts::tr(english), this);
        note->setObjectName("ManualLanguageNote");
        bar->addWidget(note);
    }
    bar->addStretch();
    layout->addLayout(bar);
    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true); // web and mail links go to the system
    layout->addWidget(Browser, 1);
    connect(BackButton, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardButton, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(Texts::tr("Vireldo Help - ") + Browser->documentTitle()); });
}

void THelpWindow::ShowPage(const QString& fileName) {
    Browser->setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
    show();
    raise();
    activateWindow();
}
