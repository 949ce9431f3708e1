#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>

const std::vector<ShippedLanguage>& ShippedLanguages() {
    static const std::vector<ShippedLanguage> languages = {
        {"en", "English"}, {"de", "Deutsch"},  {"fr", "Français"},
        {"es", "Español"}, {"it", "Italiano"}, {"nl", "Nederlands"},
    };
    return languages;
}

bool IsShippedLanguage(const std::string& code) {
    const auto& languages = ShippedLanguages();
    return std::any_of(languages.begin(), languages.end(),
                       [&](const ShippedLanguage& language) { return code == language.Code; });
}

std::string ChooseLanguage(const std::string& asked, const QLocale& system) {
    if (IsShippedLanguage(asked))
        return asked;
    const std::string own = QLocale::languageToCode(system.language()).toStdString();
    return IsShippedLanguage(own) ? own : "en";
}

void InstallLanguage(const std::string& code, const QLocale& system) {
    const QLocale locale(QString::fromStdString(code));
    if (locale.language() != system.language())
        QLocale::setDefault(locale);
    Q_INIT_RESOURCE(translations);
    // Made once for the run: the application keeps using them. Qt's own
    // texts (OK, Cancel, the file dialogs) come from the system's Qt
    // translations where they are installed.
    static QTranslator* program = new QTranslator(QCoreApplication::instance());
    static QTranslator* qt = new QTranslator(QCoreApplication::instance());
    QCoreApplication::removeTranslator(program);
    QCoreApplication::removeTranslator(qt);
    if (code == "en")
        return;
    const QString name = QString::fromStdString(code);
    if (program->load(":/translations/vireldo_" + name + ".qm"))
        QCoreApplication::installTranslator(program);
    if (qt->load("qtbase_" + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}
