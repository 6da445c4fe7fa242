#pragma once
// The program maker's contact details, shown by the about box and, for the built-in German,
// by the language dialog. Kept in one place so that a new address changes both.
#include <QString>

namespace Contact {

inline QString Maker() { return QStringLiteral("Karvenna-Team"); }
inline QString EMail() { return QStringLiteral("karvenna@mail.example"); }
// The about box shows a full address, the language dialog one without scheme (it adds "http://").
inline QString WebSite() { return QStringLiteral("https://karvenna.example/"); }
inline QString WebHost() { return QStringLiteral("karvenna.example"); }

} // namespace Contact
