#pragma once
// The category keys that the map menus name, in menu order.
#include <QStringList>

namespace Categories {

const QStringList& Of(const QString& mapId);
// Categories shown as a pick list; all others are shown all at once (at most 81 entries).
bool IsList(const QString& mapId, const QString& category);

} // namespace Categories
