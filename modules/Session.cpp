#include "modules/Session.h"

#include "modules/Globals.h"

QString Session::VersionText() const
{
    const QString revision =
        Revision.isEmpty() ? QString::number(Globals::BuildRevision()) : Revision;
    return QString::number(Globals::VersionMajor()) + u'.' +
           QString::number(Globals::VersionMinor()) + u'.' + revision + QStringLiteral(" Final");
}

QString Session::InProgramFolder(const QString& name) const
{
    return ProgramFolder + u'/' + name;
}
