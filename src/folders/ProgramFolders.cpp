#include "ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

const char* const DEFINITIONS = "Vireldo30.df3";
const char* const STOCK = "Stock.df3";
const char* const SHARED = "../share/vireldo/";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string WithSlash(const QString& folder) {
    return QDir::cleanPath(folder).toStdString() + "/";
}

bool WritableFile(const QString& path) {
    const QFileInfo file(path);
    return file.exists() && file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

// The shipped files that are not there yet; a copy the user has is kept.
void CopyMissing(const QString& from, const QString& to) {
    for (const char* name : {DEFINITIONS, STOCK}) {
        const QString source = from + name, target = to + name;
        if (QFile::exists(source) && !QFile::exists(target) && QFile::copy(source, target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
    }
}

} // namespace

std::string UserDataFolder() {
    // Named by the program rather than by the application object, so that the
    // batch tool, which has none, finds the same folder.
    return WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     "/vireldo");
}

ProgramFolders FindProgramFolders(const std::string& executableDir) {
    const QString exe = Q(executableDir);
    if (WritableFile(exe + DEFINITIONS))
        return {executableDir, executableDir};
    const QString shared = QDir(exe + SHARED).absolutePath() + "/";
    if (!QFile::exists(shared + DEFINITIONS))
        return {executableDir, executableDir}; // start-up says what is missing
    const std::string user = UserDataFolder();
    if (QDir().mkpath(Q(user)))
        CopyMissing(shared, Q(user));
    const bool help = QDir(shared + "Manual").exists();
    return {QFile::exists(Q(user) + DEFINITIONS) ? user : WithSlash(shared),
            help ? WithSlash(shared) : executableDir};
}

std::string FileFromArgument(const std::string& argument) {
    if (argument.rfind("file://", 0) != 0)
        return argument;
    return QUrl(QString::fromLocal8Bit(argument.c_str())).toLocalFile().toLocal8Bit().toStdString();
}
