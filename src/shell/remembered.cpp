#include "shell/remembered.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

#include "io/files.h"
#include "session/words.h"

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
    refusal_ =
        QCoreApplication::translate("Remembered", "Settings are not kept: %1 \u2014 %2").arg(MessageWords(why), path_);
}

QVariant Remembered::Value(Setting setting, SettingKind kind) const {
    const SettingRow& row = RowOf(setting);
    // Asked as another kind: a mistake of the caller's, which the default covers.
    Q_ASSERT(row.kind == kind);
    if (row.kind != kind) return QVariant();
    const QString key = QString::fromLatin1(row.key);
    if (const auto set = set_.constFind(key); set != set_.cend()) return *set;
    return settings_ ? settings_->value(key) : QVariant();
}

void Remembered::Set(Setting setting, SettingKind kind, const QVariant& value) {
    const SettingRow& row = RowOf(setting);
    Q_ASSERT(row.kind == kind);
    if (row.kind == kind) set_.insert(QString::fromLatin1(row.key), value);
}

namespace {

// The first bytes of every QWidget::saveGeometry.
const QByteArray kPlaceMagic("\x01\xd9\xd0\xcb", 4);

QByteArray CheckedPlace(const QByteArray& place) { return place.startsWith(kPlaceMagic) ? place : QByteArray(); }

}  // namespace

QByteArray Remembered::Place(Setting setting) const {
    if (RowOf(setting).kind == SettingKind::kPlaceText)
        return CheckedPlace(QByteArray::fromBase64(Value(setting, SettingKind::kPlaceText).toString().toLatin1()));
    const QVariant value = Value(setting, SettingKind::kPlace);
    return value.typeId() == QMetaType::QByteArray ? CheckedPlace(value.toByteArray()) : QByteArray();
}
void Remembered::SetPlace(Setting setting, const QByteArray& place) {
    if (RowOf(setting).kind == SettingKind::kPlaceText)
        Set(setting, SettingKind::kPlaceText, QString::fromLatin1(place.toBase64()));
    else
        Set(setting, SettingKind::kPlace, place);
}

QString Remembered::Folder(Setting setting) const {
    const QString folder = Value(setting, SettingKind::kFolder).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}
void Remembered::SetFolder(Setting setting, const QString& folder) { Set(setting, SettingKind::kFolder, folder); }

int Remembered::Number(Setting setting) const {
    const SettingRow& row = RowOf(setting);
    bool ok = false;
    const int value = Value(setting, SettingKind::kNumber).toString().toInt(&ok);
    return ok && value >= row.lowest && value <= row.highest ? value : row.fallback;
}
void Remembered::SetNumber(Setting setting, int value) { Set(setting, SettingKind::kNumber, value); }

bool Remembered::Flag(Setting setting) const {
    const QString value = Value(setting, SettingKind::kFlag).toString();
    if (value == QStringLiteral("true")) return true;
    if (value == QStringLiteral("false")) return false;
    return RowOf(setting).fallback != 0;
}
void Remembered::SetFlag(Setting setting, bool value) { Set(setting, SettingKind::kFlag, value); }

QString Remembered::Text(Setting setting) const {
    const SettingRow& row = RowOf(setting);
    const QVariant value = Value(setting, SettingKind::kText);
    // A list or a byte array is not text, whatever toString makes of it.
    const bool text = value.typeId() == QMetaType::QString;
    if (text && (!row.accepts || row.accepts(value.toString()))) return value.toString();
    return QString::fromUtf8(row.text);
}
void Remembered::SetText(Setting setting, const QString& value) { Set(setting, SettingKind::kText, value); }

Rgb Remembered::Colour(Setting setting) const {
    const auto parse = [](const QString& text) -> std::optional<Rgb> {
        if (text.size() != 7 || text[0] != QChar('#')) return std::nullopt;
        bool ok = false;
        const uint value = text.mid(1).toUInt(&ok, 16);
        if (!ok) return std::nullopt;
        return Rgb{uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
    };
    const QVariant value = Value(setting, SettingKind::kColour);
    if (value.typeId() == QMetaType::QString)
        if (const std::optional<Rgb> colour = parse(value.toString())) return *colour;
    return parse(QString::fromLatin1(RowOf(setting).text)).value_or(kWhite);
}
void Remembered::SetColour(Setting setting, Rgb colour) {
    Set(setting, SettingKind::kColour, QStringLiteral("#%1").arg((colour.r << 16) | (colour.g << 8) | colour.b, 6, 16, QChar('0')));
}

void Remembered::Write() {
    if (!settings_) return;
    // A link may have been planted since the start.
    if (const std::string why = ForeignLinkOn(path_.toStdString()); !why.empty()) return Refuse(why);
    for (auto value = set_.cbegin(); value != set_.cend(); ++value) settings_->setValue(value.key(), value.value());
    set_.clear();
    settings_->sync();
}

}  // namespace corvessa
