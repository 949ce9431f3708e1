#pragma once
#include "base/UiText.h"

#include <QString>
#include <string>

// The window's side of the texts: every text a person reads is looked up by
// its English key in the language the program speaks.
namespace Texts {

// The translation of a key; the key itself, as Latin-1, when there is none.
QString tr(const char* key);
// A text from plain code: a key, a text filled from one (its arguments as
// they were given), or lines of either.
QString Message(const std::string& english);

} // namespace Texts
