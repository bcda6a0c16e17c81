#pragma once
// What the windows remember between runs: where and how large they were,
// the folders and filters of the file dialogs, the last category, the save
// quality, the thumbnail size and the batch dialog's choices, each a row of
// setting_table.h. Kept with QSettings in ~/.config/corvessa/corvessa.conf.
// Every value is checked as it is read; one that is missing or makes no
// sense gives its default, and a file that cannot be read at all is set
// aside and replaced when the settings are next written, so settings never
// keep the program from starting.
//
// The file is read and written only where no symbolic link of another
// user leads to it (ForeignLinkOn): otherwise the run starts from the
// defaults, keeps what it sets in memory and writes nothing.

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariantMap>
#include <memory>

#include "ground/bitmap.h"
#include "shell/setting_table.h"

namespace corvessa {

class Remembered {
public:
    // The settings at `path`; by default the user's own file.
    explicit Remembered(const QString& path = DefaultPath());
    // Writes what was set, as Write does.
    ~Remembered();
    Remembered(const Remembered&) = delete;
    Remembered& operator=(const Remembered&) = delete;
    static QString DefaultPath();

    // Why the file is not read or written this run ("Settings are not
    // kept: ... — PATH"); empty while it is.
    const QString& Refusal() const { return refusal_; }

    // Each reads the setting of its kind (setting_table.h); a value that is
    // missing, of another kind or out of its range gives the row's default.
    // A place as QWidget::saveGeometry gives it (maximised state included);
    // empty when none was kept.
    QByteArray Place(Setting setting) const;
    void SetPlace(Setting setting, const QByteArray& place);
    // A folder that still exists, or empty.
    QString Folder(Setting setting) const;
    void SetFolder(Setting setting, const QString& folder);
    int Number(Setting setting) const;
    void SetNumber(Setting setting, int value);
    bool Flag(Setting setting) const;
    void SetFlag(Setting setting, bool value);
    QString Text(Setting setting) const;
    void SetText(Setting setting, const QString& value);
    Rgb Colour(Setting setting) const;
    void SetColour(Setting setting, Rgb colour);

    // Writes what was set to the file now (it is also written when the
    // object goes), unless a link of another user leads to it by now.
    void Write();

private:
    // The value kept for `setting`, or null where the row is not of `kind`.
    QVariant Value(Setting setting, SettingKind kind) const;
    void Set(Setting setting, SettingKind kind, const QVariant& value);
    // Refuses the file for the rest of the run when `why` says why.
    void Refuse(const std::string& why);

    QString path_;
    // The file as read; null once refused. What is set waits in `set_`
    // until Write, so that nothing reaches the file before its path is
    // looked at again.
    std::unique_ptr<QSettings> settings_;
    QVariantMap set_;
    QString refusal_;
};

}  // namespace corvessa
