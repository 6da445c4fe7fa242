#include "modules/progress/ProgressTexts.h"

#include "modules/LOCAL.h"

#include <cstring>
#include <iterator>

namespace {

using ProgressTexts::Entry;

const Entry kTexts[] = {
    // Messages
    {"MessageCaption", "Fortschritt", "Progress"},
    {"StoreDamaged",
     "Der Fortschrittsspeicher war beschädigt und wurde beiseitegelegt als\n%s\nEin neuer, leerer Speicher wurde angelegt.",
     "The progress store was damaged and has been kept aside as\n%s\nA new, empty store has been started."},
    {"StoreNotWritable",
     "Der Fortschrittsspeicher kann nicht geschrieben werden:\n%s\nMarkierungen gelten nur bis zum Programmende.",
     "The progress store cannot be written:\n%s\nMarks last only until the program ends."},
    {"MarkFailed", "Die Markierung konnte nicht gespeichert werden:\n%s",
     "The mark could not be stored:\n%s"},
    // Profiles dialog
    {"ProfilesCaption", "Profile", "Profiles"},
    {"ProfilesLabel", "Ein Profil je Charakter:", "One profile per character:"},
    {"ProfileNew", "&Neu...", "&New..."},
    {"ProfileRename", "&Umbenennen...", "&Rename..."},
    {"ProfileDelete", "&Löschen", "&Delete"},
    {"ProfileUse", "&Verwenden", "&Use"},
    {"ProfileExport", "&Exportieren...", "&Export..."},
    {"ProfileImport", "&Importieren...", "&Import..."},
    {"ProfileClose", "&Schließen", "&Close"},
    {"ProfileCurrent", "Aktuell: %s", "Current: %s"},
    {"ProfileName", "Name des Profils:", "Profile name:"},
    {"ProfileDeleteConfirm", "Das Profil \"%s\" mit allen seinen Markierungen löschen?",
     "Delete the profile \"%s\" with all its marks?"},
    {"ProfileImportHow",
     "Die Markierungen der Datei zu denen des Profils hinzufügen (Zusammenführen) oder die Markierungen des Profils durch sie ersetzen?",
     "Add the file's marks to those of the profile (merge), or replace the profile's marks with them?"},
    {"ProfileMerge", "&Zusammenführen", "&Merge"},
    {"ProfileReplace", "&Ersetzen", "&Replace"},
    {"ProfileCancel", "Abbrechen", "Cancel"},
    {"ProfileError", "Das ging nicht:\n%s", "That did not work:\n%s"},
    {"ProgressFiles", "Karvenna-Fortschritt (*.json)", "Karvenna progress (*.json)"},
    // Hunting list
    {"HuntListCaption", "Suchliste drucken", "Print hunting list"},
    {"HuntListShown", "Die angezeigte &Kategorie", "The shown &category"},
    {"HuntListMap", "Die ganze &Karte", "The whole &map"},
    {"HuntListPrinter", "Drucker", "Printer"},
    {"HuntListPrint", "&Drucken", "&Print"},
    {"HuntListCancel", "Abbrechen", "Cancel"},
    {"HuntListTitle", "Suchliste: %s", "Hunting list: %s"},
    {"HuntListName", "Name", "Name"},
    {"HuntListPosition", "Position", "Position"},
    {"HuntListFound", "Gefunden", "Found"},
    {"HuntListSummary", "%s gefunden", "%s found"},
    {"HuntListPage", "Seite %s", "Page %s"},
};

const Entry* find(const char* key)
{
    for (const Entry& e : kTexts)
        if (std::strcmp(e.key, key) == 0)
            return &e;
    return nullptr;
}

} // namespace

namespace ProgressTexts {

QString Text(const LanguageState& language, const char* key)
{
    const Entry* e = find(key);
    if (!e)
        return QString::fromLatin1(key);
    if (LOCAL::IsGerman(language))
        return QString::fromUtf8(e->german);
    return LOCAL::Text(language, QStringLiteral("progress"), QString::fromLatin1(key),
                       QString::fromUtf8(e->english));
}

QString Text(const LanguageState& language, const char* key, const QString& value)
{
    return LOCAL::Expand(Text(language, key), value);
}

const Entry* Entries(int* count)
{
    *count = int(std::size(kTexts));
    return kTexts;
}

} // namespace ProgressTexts
