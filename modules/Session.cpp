#include "modules/Session.h"

#include "modules/Globals.h"
#include "modules/progress/ProgressStore.h"

Session::Session() = default;
Session::~Session() = default;
Session::Session(Session&&) noexcept = default;
Session& Session::operator=(Session&&) noexcept = default;

ProgressStore& Session::progress()
{
    if (!m_progress)
        m_progress = std::make_unique<ProgressStore>(
            progressFile.isEmpty() ? ProgressStore::DefaultFile() : progressFile);
    return *m_progress;
}

void Session::closeProgress() { m_progress.reset(); }

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
