#include "QtDialogs.h"

#include "Asktext.h"
#include "CarDialog.h"
#include "Newbrand.h"
#include "Newwizard.h"
#include "Roomwizard.h"
#include "i18n/Translate.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const CAPTION = "Vireldo";

// Texts are bytes; the user sees them as Latin-1.
QString ToQt(const std::string& text) {
    return QString::fromLatin1(text.data(), text.size());
}
std::string FromQt(const QString& text) {
    return text.toLatin1().toStdString();
}

QWidget* Owner() {
    return QApplication::activeWindow();
}

// "Name|*.ext|All Files|*.*" becomes "Name (*.ext);;All Files (*)".
QString QtFilter(const std::string& filter) {
    // The names are translated with the filter as a whole.
    const QStringList parts = Texts::Message(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace("*.*", "*");
        filters << parts[i] + " (" + pattern.replace(';', ' ') + ")";
    }
    return filters.join(";;");
}

QString StartPath(const FileDialogRequest& request) {
    return request.FileName.empty() ? ToQt(request.StartDir) : ToQt(request.FileName);
}

DialogAnswer Ask(const std::string& text, QMessageBox::StandardButtons buttons) {
    switch (QMessageBox::question(Owner(), CAPTION, Texts::Message(text), buttons)) {
    case QMessageBox::Yes:
        return DialogAnswer::Yes;
    case QMessageBox::No:
        return DialogAnswer::No;
    default:
        return DialogAnswer::Cancel;
    }
}

} // namespace

bool QtDialogs::NewRoomWizard(RoomOutlineRequest& request, bool metric) {
    TNewRoomWizard wizard(Owner());
    return wizard.Ask(request, metric);
}

bool QtDialogs::AskText(std::string& text, std::string& size) {
    // One dialog for the whole run, as the program has it.
    static TAskTextForm* form = new TAskTextForm(nullptr);
    form->Text->setText(ToQt(text));
    form->Size->setText(ToQt(size));
    form->Text->setFocus();
    if (form->exec() != QDialog::Accepted)
        return false;
    text = FromQt(form->Text->text());
    size = FromQt(form->Size->text());
    return true;
}

bool QtDialogs::AskCar(CarPreset& car) {
    TCarForm form(Owner());
    form.SetCar(car);
    if (form.exec() != QDialog::Accepted)
        return false;
    car = form.ChosenCar();
    return true;
}

int QtDialogs::ChooseFromList(const std::string& title, const std::vector<std::string>& items,
                              const std::function<void(int)>& highlighted, int selected) {
    QDialog dialog(Owner());
    dialog.setWindowTitle(Texts::Message(title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    int widest = 0;
    for (const std::string& item : items) {
        list->addItem(Texts::Message(item));
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(Texts::Message(item)));
    }
    // Every item readable without scrolling sideways, as far as the screen allows.
    const int frame = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width() + 16;
    const int screen = dialog.screen()->availableGeometry().width() * 9 / 10;
    list->setMinimumWidth(std::min(widest + frame, screen));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(list, &QListWidget::currentRowChanged, &dialog, [&](int row) {
        if (row >= 0)
            highlighted(row);
    });
    list->setCurrentRow(std::clamp(selected, 0, std::max(list->count() - 1, 0)));
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return list->currentRow();
}

bool QtDialogs::AskBrandCode(std::string& code) {
    TDefineNewBrand dialog(Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    code = FromQt(dialog.Code->text());
    return true;
}

bool QtDialogs::ChooseColour(uint32_t& colour) {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(colour), Owner(), CAPTION);
    if (!chosen.isValid())
        return false;
    colour = chosen.rgb() & 0xFFFFFF;
    return true;
}

void QtDialogs::Message(const std::string& text, MessageKind kind) {
    const QMessageBox::Icon icon = kind == MessageKind::Error     ? QMessageBox::Critical
                                   : kind == MessageKind::Warning ? QMessageBox::Warning
                                                                  : QMessageBox::Information;
    QMessageBox box(icon, CAPTION, Texts::Message(text), QMessageBox::Ok, Owner());
    box.exec();
}

DialogAnswer QtDialogs::YesNo(const std::string& text) {
    return Ask(text, QMessageBox::Yes | QMessageBox::No);
}

DialogAnswer QtDialogs::YesNoCancel(const std::string& text) {
    return Ask(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

RecoveryChoice QtDialogs::AskRecovery(const std::string& text) {
    QMessageBox box(QMessageBox::Question, CAPTION, Texts::Message(text), QMessageBox::NoButton,
                    Owner());
    QPushButton* recover = box.addButton(Texts::tr("&Recover"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(Texts::tr("&Discard"), QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton(Texts::tr("&Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.exec();
    return box.clickedButton() == recover   ? RecoveryChoice::Recover
           : box.clickedButton() == discard ? RecoveryChoice::Discard
                                            : RecoveryChoice::Later;
}

std::string QtDialogs::OpenFile(const FileDialogRequest& request) {
    return FromQt(QFileDialog::getOpenFileName(Owner(), Texts::Message(request.Title),
                                               StartPath(request), QtFilter(request.Filter)));
}

std::string QtDialogs::SaveFile(const FileDialogRequest& request) {
    QFileDialog dialog(Owner(), Texts::Message(request.Title), StartPath(request),
                       QtFilter(request.Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(ToQt(request.DefaultExt));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::string();
    return FromQt(dialog.selectedFiles().first());
}

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

NewDesignAnswer QtDialogs::NewDesignWizard(const NewDesignRequest& request) {
    if (!Wizard)
        Wizard = std::make_unique<TNewDesignWizard>(Owner());
    return Wizard->Ask(request);
}

bool QtDialogs::PageSetup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, Owner());
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::Print(QPrinter& printer) {
    QPrintDialog dialog(&printer, Owner());
    return dialog.exec() == QDialog::Accepted;
}
