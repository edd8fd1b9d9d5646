#include "store/Settings.h"

#include <QLocale>
#include <QSettings>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace settings {
namespace {

QString path(const QString& section, const QString& key) {
    return section + u'/' + key;
}

// The organisation and application are both "Gestrix": ~/.config/Gestrix/Gestrix.conf. One object
// for the whole process: every writer and reader shares its view, so a value saved meanwhile reads
// back at once, and a read costs no file access (making a QSettings probes four paths).
QSettings& store() {
    static QSettings settings(u"Gestrix"_s, u"Gestrix"_s);
    return settings;
}

} // namespace

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    const QVariant value = store().value(path(section, key), defaultValue);
    // A text with commas written by hand, unquoted, reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    return value.toString();
}

Outcome<SaveError> SaveSetting(const QString& section, const QString& key, const QString& text) {
    store().setValue(path(section, key), text);
    // A settings object remembers its first error for good: a fresh one, sharing the same file
    // in this process, tells whether this write reached the disk.
    QSettings writer(store().organizationName(), store().applicationName());
    writer.sync();
    if (writer.status() != QSettings::NoError)
        return Failure<SaveError>{SaveError::Io, writer.fileName()};
    return std::nullopt;
}

std::optional<double> toNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double number = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        number = QLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<qint16> toInteger16(const QString& text) {
    const std::optional<double> number = toNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // the default rounding: halves to even
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

} // namespace settings
