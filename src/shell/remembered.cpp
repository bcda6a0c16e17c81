#include "shell/remembered.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "looks/user_looks.h"

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

Remembered::Remembered(const QString& path) : path_(path) {
    if (const std::string why = ForeignLinkOn(path.toStdString()); !why.empty())
        Refuse(why);
    else
        settings_ = OpenSettings(path);
}

Remembered::~Remembered() { Write(); }

QString Remembered::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/corvessa/corvessa.conf");
}

void Remembered::Refuse(const std::string& why) {
    // QSettings writes what it holds as it goes: it goes unwritten.
    settings_.reset();
    refusal_ = QStringLiteral("Settings are not kept: %1 \u2014 %2").arg(QString::fromStdString(why), path_);
}

QVariant Remembered::Value(const QString& key) const {
    if (const auto set = set_.constFind(key); set != set_.cend()) return *set;
    return settings_ ? settings_->value(key) : QVariant();
}

void Remembered::Set(const QString& key, const QVariant& value) { set_.insert(key, value); }

QByteArray Remembered::Geometry(const QString& window) const {
    const QVariant value = Value(QStringLiteral("windows/") + window);
    return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
}
void Remembered::SetGeometry(const QString& window, const QByteArray& geometry) {
    Set(QStringLiteral("windows/") + window, geometry);
}

QString Remembered::Folder(const QString& dialog) const {
    const QString folder = Value(QStringLiteral("folders/") + dialog).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}
void Remembered::SetFolder(const QString& dialog, const QString& folder) {
    Set(QStringLiteral("folders/") + dialog, folder);
}

QString Remembered::Filter(const QString& dialog) const { return Value(QStringLiteral("filters/") + dialog).toString(); }
void Remembered::SetFilter(const QString& dialog, const QString& filter) {
    Set(QStringLiteral("filters/") + dialog, filter);
}

int Remembered::Number(const QString& key, int lowest, int highest, int fallback) const {
    bool ok = false;
    const int value = Value(key).toString().toInt(&ok);
    return ok && value >= lowest && value <= highest ? value : fallback;
}
void Remembered::SetNumber(const QString& key, int value) { Set(key, value); }

bool Remembered::Flag(const QString& key, bool fallback) const {
    const QString value = Value(key).toString();
    if (value == QStringLiteral("true")) return true;
    if (value == QStringLiteral("false")) return false;
    return fallback;
}
void Remembered::SetFlag(const QString& key, bool value) { Set(key, value); }

QString Remembered::Text(const QString& key) const { return Value(key).toString(); }
void Remembered::SetText(const QString& key, const QString& value) { Set(key, value); }

void Remembered::Write() {
    if (!settings_) return;
    // A link may have been planted since the start.
    if (const std::string why = ForeignLinkOn(path_.toStdString()); !why.empty()) return Refuse(why);
    for (auto value = set_.cbegin(); value != set_.cend(); ++value) settings_->setValue(value.key(), value.value());
    set_.clear();
    settings_->sync();
}

}  // namespace corvessa
