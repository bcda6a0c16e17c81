#include "shell/remembered.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvessa {

namespace {

// Opens the file; one QSettings cannot read is moved aside (kept for
// whoever wants to look at it) so that the next write makes a fresh one.
std::unique_ptr<QSettings> OpenSettings(const QString& path) {
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (settings->status() == QSettings::NoError) return settings;
    settings.reset();
    const QString aside = path + QStringLiteral(".damaged");
    QFile::remove(aside);
    if (!QFile::rename(path, aside)) QFile::remove(path);
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

}  // namespace

Remembered::Remembered(const QString& path) : settings_(OpenSettings(path)) {}

QString Remembered::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/corvessa/corvessa.conf");
}

QByteArray Remembered::Geometry(const QString& window) const {
    const QVariant value = settings_->value(QStringLiteral("windows/") + window);
    return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
}
void Remembered::SetGeometry(const QString& window, const QByteArray& geometry) {
    settings_->setValue(QStringLiteral("windows/") + window, geometry);
}

QString Remembered::Folder(const QString& dialog) const {
    const QString folder = settings_->value(QStringLiteral("folders/") + dialog).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}
void Remembered::SetFolder(const QString& dialog, const QString& folder) {
    settings_->setValue(QStringLiteral("folders/") + dialog, folder);
}

QString Remembered::Filter(const QString& dialog) const {
    return settings_->value(QStringLiteral("filters/") + dialog).toString();
}
void Remembered::SetFilter(const QString& dialog, const QString& filter) {
    settings_->setValue(QStringLiteral("filters/") + dialog, filter);
}

int Remembered::Number(const QString& key, int lowest, int highest, int fallback) const {
    bool ok = false;
    const int value = settings_->value(key).toString().toInt(&ok);
    return ok && value >= lowest && value <= highest ? value : fallback;
}
void Remembered::SetNumber(const QString& key, int value) { settings_->setValue(key, value); }

bool Remembered::Flag(const QString& key, bool fallback) const {
    const QString value = settings_->value(key).toString();
    if (value == QStringLiteral("true")) return true;
    if (value == QStringLiteral("false")) return false;
    return fallback;
}
void Remembered::SetFlag(const QString& key, bool value) { settings_->setValue(key, value); }

QString Remembered::Text(const QString& key) const { return settings_->value(key).toString(); }
void Remembered::SetText(const QString& key, const QString& value) { settings_->setValue(key, value); }

void Remembered::Write() { settings_->sync(); }

}  // namespace corvessa
