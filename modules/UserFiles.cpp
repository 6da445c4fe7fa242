#include "modules/UserFiles.h"

#include <QDir>
#include <QFileInfo>

namespace UserFiles {
namespace {

QString BaseDir(const char* variable, const char* homeDefault)
{
    const QString fromEnv = qEnvironmentVariable(variable);
    // The XDG rules: a relative value is invalid and is ignored.
    if (!fromEnv.isEmpty() && QDir::isAbsolutePath(fromEnv))
        return QDir::cleanPath(fromEnv);
    return QDir::cleanPath(QDir::homePath() + u'/' + QLatin1String(homeDefault));
}

} // namespace

QString ConfigDir() { return BaseDir("XDG_CONFIG_HOME", ".config") + QStringLiteral("/karvenna"); }
QString DataDir() { return BaseDir("XDG_DATA_HOME", ".local/share") + QStringLiteral("/karvenna"); }
QString StateDir() { return BaseDir("XDG_STATE_HOME", ".local/state") + QStringLiteral("/karvenna"); }

} // namespace UserFiles

UserConfig::UserConfig() : UserConfig(UserFiles::ConfigDir() + QStringLiteral("/karvenna.conf")) {}

UserConfig::UserConfig(const QString& file)
    : m_file(file), m_settings(std::make_unique<QSettings>(file, QSettings::IniFormat))
{
}

UserConfig::~UserConfig() = default;

QVariant UserConfig::value(const QString& key, const QVariant& fallback) const
{
    return m_settings->value(key, fallback);
}

bool UserConfig::setValue(const QString& key, const QVariant& value)
{
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    m_settings->setValue(key, value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

void UserConfig::remove(const QString& key)
{
    m_settings->remove(key);
    m_settings->sync();
}
