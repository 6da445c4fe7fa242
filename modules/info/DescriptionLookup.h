#pragma once
// The description of a shown entity name for the hover texts: the description file of the
// current language (or its substitute), one "#" reference followed.
#include <QString>

class Session;

namespace DescriptionLookup {

// The raw description (with its "\n" marks) of a shown name; framing blanks are ignored.
QString Describe(Session& session, const QString& shownName);

} // namespace DescriptionLookup
