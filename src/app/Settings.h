#pragma once
#include <QSettings>
#include <memory>
#include <string>

class A_APPL;

// The per-user settings store: on Windows the registry key
// HKEY_CURRENT_USER\SOFTWARE\Vireldo 2000, elsewhere an INI file in the user's
// configuration folder with the same value names and types. A file name
// given here (tests) is used instead.
std::unique_ptr<QSettings> OpenSettings(const std::string& fileName);

// Reads the settings once at start: only when the fresh-install marker says a
// previous run wrote them; marks the store so that the next run does.
void ReadSettings(A_APPL& appl, QSettings& store);
// The language the user chose, before the windows are made; empty for the
// system's.
std::string StoredLanguage(QSettings& store);
// Writes every value with its current value; windowState 0 normal,
// 1 minimised, 2 maximised.
void WriteSettings(A_APPL& appl, QSettings& store, int windowState);
