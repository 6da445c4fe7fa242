#include "Generator.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "Catalog.h"
#include "DataWriter.h"
#include "Descriptions.h"
#include "Documents.h"
#include "EntityPictures.h"
#include "LanguageWriter.h"
#include "MapPainters.h"
#include "Sound.h"
#include "TextFiles.h"

bool GenerateSample(const GeneratorOptions& options)
{
    QDir().mkpath(options.outDir);
    // Picture names follow the entity names: drop the pictures of an earlier run.
    if (!options.textOnly)
        QDir(options.outDir + "/PICS").removeRecursively();
    const Catalog cat = BuildCatalog(kSampleSeed);
    const QVector<Description> descriptions = Describe(cat, kSampleSeed);
    WriteMapData(cat, options.outDir);
    WriteInfoFiles(descriptions, options.outDir);
    WriteSettings(options.outDir);
    WriteLanguageFiles(cat, options.outDir);
    WritePictureIndex(cat, options.outDir);
    bool ok = true;
    for (const bool english : {false, true}) {
        const QString docs = options.outDir + (english ? "/LANG/English" : "/EXTRAS");
        const QString home = options.outDir + (english ? "/LANG/English" : "");
        for (const Document& d : ExtrasDocuments(cat, english))
            ok = WriteDocument(d, docs, english, options.textOnly) && ok;
        ok = WriteDocument(HelpDocument(english), home, english, options.textOnly) && ok;
        ok = WriteTextFile(home + "/readme.html", ReadMePage(english)) && ok;
    }
    if (options.textOnly)
        return ok;
    WriteFlags(options.outDir);
    ok = WriteBinaryFile(options.outDir + "/karvenna.wav", SynthesiseThemeWav()) && ok;
    ok = DrawEntityPictures(cat, options.outDir) && ok;
    for (const MapData& m : cat.maps) {
        const QImage picture = m.world.isDungeon() ? PaintDungeon(m.world, kSampleSeed) : PaintRegion(m.world, kSampleSeed);
        if (!picture.save(options.outDir + '/' + m.world.id + ".jpg", "JPG", 85))
            return false;
    }
    return ok;
}

int VerifySample(const QString& committedDir)
{
    const QString dir = QDir(committedDir).absolutePath();
    QTextStream out(stdout);
    QTemporaryDir temp;
    if (!temp.isValid()) {
        out << "cannot create a temporary folder\n";
        return 2;
    }
    GeneratorOptions options;
    options.outDir = temp.path();
    options.textOnly = true;
    if (!GenerateSample(options))
        return 2;
    const QStringList patterns{"*.data", "*.ini", "*.lng", "*.html"};
    QStringList differing;
    QStringList seen;
    QDirIterator fresh(temp.path(), patterns, QDir::Files, QDirIterator::Subdirectories);
    while (fresh.hasNext()) {
        const QString path = fresh.next();
        const QString rel = QDir(temp.path()).relativeFilePath(path);
        seen << rel;
        QFile a(path), b(dir + '/' + rel);
        if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.readAll() != b.readAll())
            differing << rel;
    }
    QDirIterator committed(dir, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (committed.hasNext()) {
        const QString rel = QDir(dir).relativeFilePath(committed.next());
        if (!seen.contains(rel))
            differing << rel + " (not generated)";
    }
    if (differing.isEmpty()) {
        out << "sample reproduced: " << seen.size() << " files identical\n";
        return 0;
    }
    differing.sort();
    out << "files differing from the generator's output:\n";
    for (const QString& f : differing)
        out << "  " << f << '\n';
    return 1;
}
