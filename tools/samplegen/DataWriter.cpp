#include "DataWriter.h"

#include "TextFiles.h"

void WriteMapData(const Catalog& cat, const QString& outDir)
{
    for (const MapData& m : cat.maps)
        WriteTextFile(outDir + '/' + m.world.id + ".data", IniText(m.sections));
}

void WriteInfoFiles(const QVector<Description>& descriptions, const QString& outDir)
{
    Section german{"info", {}}, english{"info", {}};
    for (const Description& d : descriptions) {
        german.entries.push_back(Entry{d.name, d.german});
        english.entries.push_back(Entry{d.name, d.english});
    }
    WriteTextFile(outDir + "/info.data", IniText({german}));
    WriteTextFile(outDir + "/LANG/English/info.data", IniText({english}));
}

void WriteSettings(const QString& outDir)
{
    const QVector<Section> sections{
        {"folders", {{"extras", "EXTRAS"}, {"pics", "PICS"}, {"lang", "LANG"}}},
        {"general", {{"language", ""}, {"SubstLang", "English"}}},
        {"special", {{"NoExtras", "no"}, {"NoLang", "no"}, {"LocalizedString", ""}, {"PlayMusic", "yes"}}},
        {"urls", {{"thornvalepatch", ""}, {"Download", ""}, {"tranlatorsdk", ""}}},
    };
    WriteTextFile(outDir + "/karvenna.ini",
                  IniText(sections, "Karvenna settings. An empty language means German; empty addresses\n"
                                    "select the built-in download addresses."));
}
