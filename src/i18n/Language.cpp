#include "Language.h"

#include <QCoreApplication>
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
    // Made once for the run: the application keeps using it.
    static QTranslator* translator = new QTranslator(QCoreApplication::instance());
    QCoreApplication::removeTranslator(translator);
    if (code != "en" &&
        translator->load(QString(":/translations/vireldo_%1.qm").arg(QString::fromStdString(code))))
        QCoreApplication::installTranslator(translator);
}
