#include "About.h"
#include "edit/FixedSize.h"
#include "i18n/Translate.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QToolTip>
#include <QUrl>

namespace {

QLabel* Link(const QString& text, const QString& url, QWidget* parent) {
    auto* label = new QLabel(QString("<a href=\"") + url + "\">" + text + "</a>", parent);
    label->setCursor(Qt::PointingHandCursor);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    QObject::connect(label, &QLabel::linkActivated, [label](const QString& link) {
        // Without a program for the address, it is at least ready to paste.
        if (QDesktopServices::openUrl(QUrl(link)))
            return;
        QGuiApplication::clipboard()->setText(link);
        QToolTip::showText(
            label->mapToGlobal(QPoint(0, label->height())),
            Texts::tr("No program opens this address here; it is copied to the clipboard."), label);
    });
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Texts::tr("About Vireldo"));
    auto* layout = new QGridLayout(this);
    auto* name = new QLabel(PRODUCT_NAME, this);
    QFont big = name->font();
    big.setPointSize(24);
    big.setBold(true);
    name->setFont(big);
    VersieLabel = new QLabel(PRODUCT_VERSION, this);
    QFont version = VersieLabel->font();
    version.setPointSize(16);
    VersieLabel->setFont(version);
    SubVersieLabel = new QLabel(PRODUCT_SUBVERSION, this);
    layout->addWidget(name, 0, 0);
    layout->addWidget(VersieLabel, 0, 1);
    layout->addWidget(SubVersieLabel, 0, 2, Qt::AlignBottom);
    layout->addWidget(new QLabel(PRODUCT_SUBTITLE, this), 1, 0, 1, 3);
    layout->addWidget(new QLabel(PRODUCT_MAKER, this), 2, 0, 1, 3);
    Label4 = Link(PRODUCT_MAIL, QString("mailto:") + PRODUCT_MAIL, this);
    Label5 = Link(PRODUCT_WEB, PRODUCT_WEB, this);
    layout->addWidget(Label4, 3, 0, 1, 3);
    layout->addWidget(Label5, 4, 0, 1, 3);
    auto* ok = new QPushButton(Texts::tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 5, 1);
    FixSizeAtLeast(*this, {307, 231});
}
