#include "store/Trash.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace trash {

namespace {

// Names tried for a file whose name the trash holds already, before giving up.
constexpr int namesTried = 100;

std::optional<dev_t> deviceOf(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status.st_dev;
}

QString systemError(const QString& what) {
    return what + u": "_s + QString::fromLocal8Bit(std::strerror(errno));
}

// The user's trash holds files of its own file system; a file elsewhere goes to the trash at
// the top of its mount, where a move is a rename too.
QString trashFor(const QString& path) {
    const QString home =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash"_s;
    QDir().mkpath(QFileInfo(home).path());
    const std::optional<dev_t> device = deviceOf(QFileInfo(path).absolutePath());
    if (device == deviceOf(QFileInfo(home).path()))
        return home;
    QString top = QFileInfo(path).absolutePath();
    for (QString up = QFileInfo(top).path(); up != top && deviceOf(up) == device;
         up = QFileInfo(top).path())
        top = up;
    return QDir(top).filePath(u".Trash-"_s + QString::number(::getuid()));
}

bool makeFolder(const QString& path) {
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0 || errno == EEXIST;
}

// A file name the trash does not hold yet: the name itself, then "name-1.ini" and so on.
QString candidate(const QFileInfo& file, int attempt) {
    if (attempt == 0)
        return file.fileName();
    const QString suffix = file.suffix().isEmpty() ? QString() : u"."_s + file.suffix();
    return file.completeBaseName() + u"-"_s + QString::number(attempt) + suffix;
}

QByteArray note(const QString& path) {
    return "[Trash Info]\nPath=" + QUrl::toPercentEncoding(path, "/") +
           "\nDeletionDate=" + QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + '\n';
}

} // namespace

std::optional<QString> move(const QString& path, QString& problem) {
    const QFileInfo file(path);
    const QString trash = trashFor(path);
    const QString files = trash + u"/files/"_s;
    const QString info = trash + u"/info/"_s;
    if (!makeFolder(trash) || !makeFolder(files) || !makeFolder(info)) {
        problem = systemError(u"cannot make the trash "_s + trash);
        return std::nullopt;
    }
    for (int attempt = 0; attempt < namesTried; ++attempt) {
        const QString name = candidate(file, attempt);
        if (QFileInfo::exists(files + name) || QFileInfo(files + name).isSymLink())
            continue;
        // The note, made exclusively, reserves the name.
        const QString notePath = info + name + u".trashinfo"_s;
        const int descriptor = ::open(QFile::encodeName(notePath).constData(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (descriptor < 0 && errno == EEXIST)
            continue;
        if (descriptor < 0) {
            problem = systemError(u"cannot write "_s + notePath);
            return std::nullopt;
        }
        const QByteArray text = note(file.absoluteFilePath());
        const bool noted = ::write(descriptor, text.constData(), text.size()) == text.size();
        const bool closed = ::close(descriptor) == 0;
        if (!noted || !closed ||
            ::rename(QFile::encodeName(path).constData(),
                     QFile::encodeName(files + name).constData()) != 0) {
            problem = systemError(u"cannot move "_s + path + u" to "_s + files);
            QFile::remove(notePath);
            return std::nullopt;
        }
        return files + name;
    }
    problem = u"the trash "_s + trash + u" holds too many files named "_s + file.fileName();
    return std::nullopt;
}

} // namespace trash
