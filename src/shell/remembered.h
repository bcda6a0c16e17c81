#pragma once
// What the windows remember between runs: where and how large they were,
// the folders and filters of the file dialogs, the last category, the save
// quality, the thumbnail size and the batch dialog's choices. Kept with
// QSettings in ~/.config/corvessa/corvessa.conf. Every value is checked as
// it is read; one that is missing or makes no sense gives its default, and
// a file that cannot be read at all is set aside and replaced when the
// settings are next written, so settings never keep the program from
// starting.

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <memory>

namespace corvessa {

class Remembered {
public:
    // The settings at `path`; by default the user's own file.
    explicit Remembered(const QString& path = DefaultPath());
    static QString DefaultPath();

    // Geometry as QWidget::saveGeometry gives it (maximised state included);
    // empty when none was kept.
    QByteArray Geometry(const QString& window) const;
    void SetGeometry(const QString& window, const QByteArray& geometry);

    // A folder that still exists, or empty.
    QString Folder(const QString& dialog) const;
    void SetFolder(const QString& dialog, const QString& folder);
    QString Filter(const QString& dialog) const;
    void SetFilter(const QString& dialog, const QString& filter);

    // A number within [lowest, highest], else `fallback`.
    int Number(const QString& key, int lowest, int highest, int fallback) const;
    void SetNumber(const QString& key, int value);
    bool Flag(const QString& key, bool fallback) const;
    void SetFlag(const QString& key, bool value);
    QString Text(const QString& key) const;
    void SetText(const QString& key, const QString& value);

    // Writes what was set to the file now (it is also written when the
    // object goes).
    void Write();

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace corvessa
