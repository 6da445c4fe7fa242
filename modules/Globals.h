#pragma once
// Product texts and version numbers stamped by the build.
#include <QString>

namespace Globals {

QString ProductTitle();
QString LegalNotice();
QString FileDescription();
int VersionMajor();
int VersionMinor();
// The build's own revision, the third version number.
int BuildRevision();

} // namespace Globals
