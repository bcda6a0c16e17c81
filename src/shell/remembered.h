#pragma once
// What the windows remember between runs: where and how large they were,
// the folders and filters of the file dialogs, the last category, the save
// quality, the thumbnail size and the batch dialog's choices. Kept with
// QSettings in ~/.config/corvessa/corvessa.conf. Every value is checked as
// it is read; one that is missing or makes no sense gives its default, and
// a file that cannot be read at all is set aside and replaced when the
// settings are next written, so settings never keep the program from
// starting.
//
// The file is read and written only where no symbolic link of another
// user leads to it (ForeignLinkOn): otherwise the run starts from the
// defaults, keeps what it sets in memory and writes nothing.

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariantMap>
#include <memory>

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
    // object goes), unless a link of another user leads to it by now.
    void Write();

private:
    QVariant Value(const QString& key) const;
    void Set(const QString& key, const QVariant& value);
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
