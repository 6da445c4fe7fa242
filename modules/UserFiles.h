#pragma once
// Per-user state: never in the installation, always under the XDG base directories, so that a
// read-only or shared installation keeps each player's choices, progress and window.
#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

namespace UserFiles {

// $XDG_CONFIG_HOME/karvenna, $XDG_DATA_HOME/karvenna, $XDG_STATE_HOME/karvenna, with the
// base directory's usual default under $HOME when the variable is unset or not absolute.
// The folders are not created here.
QString ConfigDir();
QString DataDir();
QString StateDir();

} // namespace UserFiles

// The per-user configuration file (ConfigDir()/karvenna.conf): small choices such as the last
// installation, window geometry and view options. Every change is written at once.
class UserConfig
{
public:
    UserConfig();                              // the file in UserFiles::ConfigDir()
    explicit UserConfig(const QString& file);  // tests
    ~UserConfig();
    UserConfig(UserConfig&&) noexcept = default;
    UserConfig& operator=(UserConfig&&) noexcept = default;

    const QString& file() const { return m_file; }

    // key is "group/name"; fallback when absent or unreadable.
    QVariant value(const QString& key, const QVariant& fallback = {}) const;
    // False when the file could not be written (the value is still kept for this run).
    bool setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);

private:
    QString m_file;
    std::unique_ptr<QSettings> m_settings;
};
