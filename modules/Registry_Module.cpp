#include "modules/Registry_Module.h"

#include "platform/Registry.h"

namespace Registry_Module {

QString RegReadValue(const QString& root, const QString& key, const QString& value)
{
    return Registry::Read(root.toUpper() + u'\\' + key + u'\\' + value).value_or(QString());
}

QString RegReadPath(const QString& path, const QString& value)
{
    // No separator is inserted: a path without its final "\" names another value.
    return Registry::Read(path.toUpper() + value).value_or(QString());
}

} // namespace Registry_Module
