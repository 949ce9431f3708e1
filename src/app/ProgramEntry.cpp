#include "ProgramEntry.h"

#include "Appl.h"
#include "Caption.h"
#include "ui/Main.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace {

int RunWindows(A_APPL& appl) {
    QApplication::setApplicationName(APPLICATION_TITLE);
    TMainForm mainForm(appl);
    if (!mainForm.Started())
        return 0;
    mainForm.show();
    QApplication::exec();
    return 0;
}

} // namespace

int ProgramEntry(A_APPL& appl, const std::string& commandLine) {
    (void)commandLine;
    try {
        return RunWindows(appl);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, APPLICATION_TITLE, QString::fromLocal8Bit(error.what()));
        return 0;
    }
}
