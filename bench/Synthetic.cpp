#include "Synthetic.h"

#include "modules/installation/Installation.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace Synthetic {

namespace {

const QStringList kSyllables = {u"Wolf"_qs, u"Bär"_qs, u"Eis"_qs, u"Grün"_qs, u"Stein"_qs,
                                u"Moor"_qs, u"Höh"_qs, u"Quell"_qs, u"Dorn"_qs, u"Falk"_qs,
                                u"Rabe"_qs, u"Sturm"_qs, u"Asch"_qs, u"Gold"_qs, u"Nebel"_qs,
                                u"Kiefer"_qs, u"Fluss"_qs, u"Äher"_qs, u"Sumpf"_qs, u"Weiß"_qs};
const QStringList kEndings = {u"grotte"_qs, u"hütte"_qs, u"schrein"_qs, u"turm"_qs, u"fels"_qs};

// A distinct German word for every index: two syllables and an ending.
QString word(int index)
{
    const int n = int(kSyllables.size());
    return kSyllables[index % n] + kSyllables[(index / n) % n].toLower() +
           kEndings[(index / (n * n)) % kEndings.size()] +
           (index >= n * n * int(kEndings.size()) ? QString::number(index) : QString());
}

const QStringList kEnglishSyllables = {u"Wolf"_qs,  u"Bear"_qs,  u"Ice"_qs,   u"Green"_qs,
                                       u"Stone"_qs, u"Moor"_qs,  u"High"_qs,  u"Spring"_qs,
                                       u"Thorn"_qs, u"Falcon"_qs, u"Raven"_qs, u"Storm"_qs,
                                       u"Ash"_qs,   u"Gold"_qs,  u"Mist"_qs,  u"Pine"_qs,
                                       u"River"_qs, u"Ear"_qs,   u"Swamp"_qs, u"White"_qs};
const QStringList kEnglishEndings = {u" grotto"_qs, u" hut"_qs, u" shrine"_qs, u" tower"_qs,
                                     u" rock"_qs};

// The same word in English: the translations differ in their first letters as real ones do.
QString englishWord(int index)
{
    const int n = int(kEnglishSyllables.size());
    return kEnglishSyllables[index % n] + kEnglishSyllables[(index / n) % n].toLower() +
           kEnglishEndings[(index / (n * n)) % kEnglishEndings.size()] +
           (index >= n * n * int(kEnglishEndings.size()) ? QString::number(index) : QString());
}

int wordOf(const Size& size, int map, int section, int entry)
{
    return int((qint64(map) * 7919 + qint64(section) * 104729 + entry * 31) % size.words);
}

QString code(int map, int section, int entry)
{
    return u" %1%2-%3"_qs.arg(QChar(u'a' + map)).arg(section, 3, 10, QChar(u'0')).arg(entry);
}

bool write(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

QString stampOf(const Size& size)
{
    return u"%1x%2x%3 v3"_qs.arg(size.sectionsPerMap).arg(size.entriesPerSection).arg(size.words);
}

} // namespace

const QStringList& MapIds()
{
    return Installation::MapIds();
}

QString SectionName(int section) { return u"kategorie%1"_qs.arg(section, 3, 10, QChar(u'0')); }

QString EntityName(const Size& size, int map, int section, int entry)
{
    return word(wordOf(size, map, section, entry)) + code(map, section, entry);
}

QString EnglishName(const Size& size, int map, int section, int entry)
{
    return englishWord(wordOf(size, map, section, entry)) + code(map, section, entry);
}

bool Ensure(const QString& folder, const Size& size, const QString& sampleFolder)
{
    const QString stampFile = folder + u"/bench-stamp"_qs;
    {
        QFile stamp(stampFile);
        if (stamp.open(QIODevice::ReadOnly) && stamp.readAll() == stampOf(size).toUtf8())
            return true;
    }
    if (!QDir().mkpath(folder + u"/LANG/English"_qs))
        return false;

    QString info = u"[info]\n"_qs;
    for (int m = 0; m < 5; ++m) {
        QString data;
        for (int s = 0; s < size.sectionsPerMap; ++s) {
            data += u'[' + SectionName(s) + u"]\n"_qs;
            for (int e = 0; e < size.entriesPerSection; ++e) {
                const QString name = EntityName(size, m, s, e);
                const int x = (e * 97 + s * 13 + m * 5) % 1024;
                const int y = (e * 61 + s * 7 + m * 3) % 768;
                data += name + u'=' + QString::number(x) + u',' + QString::number(y) +
                        (e % 10 == 9 ? u",*"_qs : QString()) + u'\n';
                info += name + u"=Ein Ort namens "_qs + name +
                        u". Hier wachsen seltene Kräuter, und nachts streifen Wölfe umher."
                        u"\\nGefahr: %1 von 5\n"_qs.arg(1 + (e + s) % 5);
            }
        }
        if (!write(folder + u'/' + MapIds()[m] + u".data"_qs, data))
            return false;
        const QString picture = folder + u'/' + MapIds()[m] + u".jpg"_qs;
        QFile::remove(picture);
        if (!QFile::copy(sampleFolder + u'/' + MapIds()[m] + u".jpg"_qs, picture))
            return false;
    }
    // The English descriptions are the German ones: the hover lookup reads the language's file.
    if (!write(folder + u"/info.data"_qs, info) ||
        !write(folder + u"/LANG/English/info.data"_qs, info))
        return false;

    QString english = u"[general]\nlanguage=English\n[entities]\n"_qs;
    for (int w = 0; w < size.words; ++w)
        english += word(w) + u'=' + englishWord(w) + u'\n';
    const bool written =
        write(folder + u"/karvenna.ini"_qs,
              u"[folders]\nextras=EXTRAS\npics=PICS\nlang=LANG\n[general]\nlanguage=\n"
              u"SubstLang=English\n[special]\nNoExtras=no\nNoLang=no\n"_qs) &&
        write(folder + u"/LANG/English/English.lng"_qs, english) &&
        write(folder + u"/registry.ini"_qs,
              u"[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n"_qs);
    return written && write(stampFile, stampOf(size));
}

} // namespace Synthetic
