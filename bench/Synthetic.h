#pragma once
// Synthetic installations for the benchmarks: five maps with as many sections and entries as
// asked, a description for every entity and an English language file that translates the
// first word of every name. Written into a build folder, never into the source tree.
#include <QString>

namespace Synthetic {

struct Size
{
    int sectionsPerMap = 200;
    int entriesPerSection = 100;
    int words = 2000;  // distinct first words of entity names; each has an English translation

    int entities() const { return 5 * sectionsPerMap * entriesPerSection; }
};

// Writes the installation into folder unless a previous run left the same one there.
// Map pictures are copied from sampleFolder. Returns false when a file cannot be written.
bool Ensure(const QString& folder, const Size& size, const QString& sampleFolder);

// The five map identifiers, in search order.
const QStringList& MapIds();
// The German name of entry e of section s of map m, and the section's name.
QString EntityName(const Size& size, int map, int section, int entry);
QString SectionName(int section);
// The English name the language file gives the same entity.
QString EnglishName(const Size& size, int map, int section, int entry);

} // namespace Synthetic
