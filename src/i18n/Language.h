#pragma once
#include <QLocale>
#include <string>
#include <vector>

// The languages the program speaks, each by its code and in its own name;
// English first, the language of the texts' keys.
struct ShippedLanguage {
    const char* Code;
    const char* Name;
};
const std::vector<ShippedLanguage>& ShippedLanguages();
bool IsShippedLanguage(const std::string& code);

// The language asked for (the command line, else the setting) when shipped;
// otherwise the system's when shipped; otherwise English.
std::string ChooseLanguage(const std::string& asked, const QLocale& system);

// The program speaks the language from now on: its translation is installed
// on the application, and numbers take its decimal separator unless the
// system's locale is of the same language. English installs nothing.
void InstallLanguage(const std::string& code, const QLocale& system);
