#include "Translate.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace Texts {

namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The key's translation; empty when it has none.
QString Translated(const std::string& key) {
    const QString translated = QCoreApplication::translate("Texts", key.c_str());
    return translated == QString::fromUtf8(key.c_str()) ? QString() : translated;
}

QString Line(const std::string& line);

// An argument: a text of its own (a key or a filled key) in the language, a
// decimal number with the language's separator, anything else as it is.
QString Argument(const std::string& arg) {
    static const QRegularExpression decimal("^[+-]?[0-9]+\\.[0-9]+$");
    const QString text = Line(arg);
    if (!decimal.match(text).hasMatch())
        return text;
    return QString(text).replace('.', QLocale().decimalPoint());
}

// The key filled with its arguments, each in the language, as plain code
// fills it (UTF-8 throughout, the arguments once converted).
QString Filled(const QString& key, const std::vector<std::string>& args) {
    std::vector<std::string> shown;
    for (const std::string& arg : args)
        shown.push_back(Argument(arg).toStdString());
    return QString::fromStdString(Substitute(key.toStdString(), shown));
}

// A key, a text filled from a key, or anything else (a name): as it is.
QString Line(const std::string& line) {
    Composition composition;
    if (FindComposition(line, composition)) {
        const QString key = Translated(composition.Key);
        // Keys are the program's own texts, written in UTF-8.
        return Filled(key.isEmpty() ? QString::fromUtf8(composition.Key.c_str()) : key,
                      composition.Args);
    }
    const QString translated = Translated(line);
    return translated.isEmpty() ? Latin1(line) : translated;
}

} // namespace

QString tr(const char* key) {
    return QCoreApplication::translate("Texts", key);
}

QString Message(const std::string& english) {
    Composition composition;
    if (!Translated(english).isEmpty() || FindComposition(english, composition))
        return Line(english);
    QStringList lines;
    size_t start = 0;
    for (;;) {
        const size_t end = english.find('\n', start);
        lines << Line(english.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos)
            return lines.join('\n');
        start = end + 1;
    }
}

} // namespace Texts
