#pragma once
// The built-in web addresses: the defaults of the "urls" settings and the fixed web sites.
// Configuration of ours, kept in this one table.
#include <QString>
#include <iterator>

struct WebAddress
{
    const char* name;      // "urls" key or menu entry
    const char* address;
};

namespace WebAddresses {

inline constexpr WebAddress kTable[] = {
    // Defaults of the settings file's "urls" section.
    {"thornvalepatch", "http://patches.thornvale-game.example/"},
    {"Download", "http://www.karvenna.example/download/karvenna.rar"},
    {"tranlatorsdk", "http://www.karvenna.example/download/karvenna.rar"},
    // The fixed web sites of the menu.
    {"miThornvaleHomeSite", "http://www.thornvale-game.example/"},
    {"miHalvarkForum", "http://forum.halvark-publishing.example/forumdisplay.php?f=252"},
    {"miLH", "http://www.lorehall-thornvale.example/"},
    {"miSiteThornvaleNet", "http://www.thornvale-net.example/"},
    {"miSiteBastion", "http://www.bastion-of-thornvale.example/"},
};

// The address of a key or menu entry; empty when the table has none.
inline QString Of(const QString& name)
{
    for (const WebAddress& entry : kTable) {
        if (name == QLatin1String(entry.name))
            return QString::fromLatin1(entry.address);
    }
    return {};
}

} // namespace WebAddresses
