#include "modules/Globals.h"

#include "Version.h"

namespace Globals {

QString ProductTitle()
{
    return QStringLiteral(KARVENNA_PRODUCT_TITLE);
}
QString LegalNotice()
{
    return QStringLiteral(KARVENNA_LEGAL_NOTICE);
}
QString FileDescription()
{
    return QStringLiteral(KARVENNA_FILE_DESCRIPTION);
}
int VersionMajor()
{
    return KARVENNA_VERSION_MAJOR;
}
int VersionMinor()
{
    return KARVENNA_VERSION_MINOR;
}
int BuildRevision()
{
    return KARVENNA_VERSION_REVISION;
}

} // namespace Globals
