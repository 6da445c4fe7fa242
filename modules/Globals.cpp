#include "modules/Globals.h"

#include "Version.h"

QString Globals::ProductTitle()
{
    return QStringLiteral(KARVENNA_PRODUCT_TITLE);
}
QString Globals::LegalNotice()
{
    return QStringLiteral(KARVENNA_LEGAL_NOTICE);
}
QString Globals::FileDescription()
{
    return QStringLiteral(KARVENNA_FILE_DESCRIPTION);
}
int Globals::VersionMajor()
{
    return KARVENNA_VERSION_MAJOR;
}
int Globals::VersionMinor()
{
    return KARVENNA_VERSION_MINOR;
}

QString Globals::VersionText() const
{
    const QString revision =
        Revision.isEmpty() ? QString::number(KARVENNA_VERSION_REVISION) : Revision;
    return QString::number(VersionMajor()) + u'.' + QString::number(VersionMinor()) + u'.' +
           revision + QStringLiteral(" Final");
}

QString Globals::InProgramFolder(const QString& name) const
{
    return ProgramFolder + u'/' + name;
}

Globals& G()
{
    static Globals globals;
    return globals;
}
