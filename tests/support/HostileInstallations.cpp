#include "support/HostileInstallations.h"

#include "modules/IniOps.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>

namespace Hostile {

namespace {

const QString kSample = QStringLiteral(KARVENNA_SAMPLE_DIR);

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void append(const QString& path, const QByteArray& bytes)
{
    writeBytes(path, readBytes(path) + bytes);
}

// Replaces the first occurrence of from in the file.
void patch(const QString& path, const QByteArray& from, const QByteArray& to)
{
    QByteArray bytes = readBytes(path);
    const qsizetype at = bytes.indexOf(from);
    if (at >= 0)
        bytes.replace(at, from.size(), to);
    writeBytes(path, bytes);
}

QByteArray garbage(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

QByteArray jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(120, 140, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

// A small JPEG whose frame header claims 65000 x 65000 pixels.
QByteArray hugeJpegHeader()
{
    QByteArray bytes = jpeg(16, 16);
    for (qsizetype i = 0; i + 8 < bytes.size(); ++i) {
        if (uchar(bytes[i]) == 0xFF && (uchar(bytes[i + 1]) == 0xC0 || uchar(bytes[i + 1]) == 0xC2)) {
            bytes[i + 5] = char(0xFD); // height 0xFDE8 = 65000
            bytes[i + 6] = char(0xE8);
            bytes[i + 7] = char(0xFD);
            bytes[i + 8] = char(0xE8);
            break;
        }
    }
    return bytes;
}

QString file(const QString& home, const char* relative)
{
    return home + QLatin1Char('/') + QString::fromUtf8(relative);
}

void copyFile(const QString& from, const QString& to)
{
    writeBytes(to, readBytes(from));
}

// Adds "name=value" lines at the top of section of a data file.
void addEntries(const QString& path, const QByteArray& section, const QByteArray& lines)
{
    patch(path, "[" + section + "]\r\n", "[" + section + "]\r\n" + lines);
    patch(path, "[" + section + "]\n", "[" + section + "]\n" + lines);
}

QString caldora(const QString& home) { return file(home, "caldora.data"); }
QString picIni(const QString& home) { return file(home, "PICS/pic.ini"); }
QString english(const QString& home) { return file(home, "LANG/English/English.lng"); }

// The pic.ini entry of the first cave, the entity a double click on marker 0 opens.
void setCavePicture(const QString& home, const QByteArray& relative)
{
    const QByteArray key = FirstKey(caldora(home), QStringLiteral("caves")).toUtf8();
    writeBytes(picIni(home), "[pics]\r\n" + key + "=" + relative + "\r\n");
}

// A first cave (all at once) and a first NPC (pick list) with this record.
void coordinate(const QString& home, const QByteArray& record)
{
    addEntries(caldora(home), "caves", "Koordinatenhöhle=" + record + "\r\n");
    addEntries(caldora(home), "NPC", "Koordinatenmann=" + record + "\r\n");
}

// Puts ";" before every entry of a section.
void disableSection(const QString& path, const QByteArray& section)
{
    QList<QByteArray> lines = readBytes(path).split('\n');
    bool inside = false;
    for (QByteArray& line : lines) {
        if (line.startsWith('['))
            inside = line.trimmed() == "[" + section + "]";
        else if (inside && !line.trimmed().isEmpty())
            line.prepend(';');
    }
    writeBytes(path, lines.join('\n'));
}

const QList<Case> kCases{
    {"binary-garbage-data", [](const QString& h) { writeBytes(caldora(h), garbage(64 * 1024, 1)); },
     Outcome::Runs, "is missing"},
    {"ten-megabyte-line",
     [](const QString& h) { addEntries(caldora(h), "caves", "Riese=1" + QByteArray(10 * 1024 * 1024, '7') + ",5\r\n"); },
     Outcome::Runs, "the program reads only the first 2047"},
    {"nul-bytes",
     [](const QString& h) {
         addEntries(caldora(h), "caves", QByteArray("Null\0stelle=1\0" "00,2\0" "00\r\n\0\0\0=\0\r\n", 26));
     },
     Outcome::Runs, "neither UTF-8 nor Windows-1252"},
    {"hundred-thousand-sections",
     [](const QString& h) {
         QByteArray bytes = readBytes(file(h, "frostmere.data"));
         bytes.reserve(bytes.size() + 100000 * 30);
         for (int i = 0; i < 100000; ++i)
             bytes += "[s" + QByteArray::number(i) + "]\r\nOrt " + QByteArray::number(i) + "=5,5\r\n";
         writeBytes(file(h, "frostmere.data"), bytes);
     }},
    {"utf16-data",
     [](const QString& h) {
         const QString text = QString::fromUtf8(readBytes(file(h, "qasira.data")));
         QByteArray bytes("\xFF\xFE");
         bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
         writeBytes(file(h, "qasira.data"), bytes);
     },
     Outcome::Runs, "UTF-16"},
    {"mixed-encodings",
     [](const QString& h) { append(file(h, "info.data"), "\r\nb\xe4r=Windows-1252 \xe4\xf6\xfc\r\nb\xc3\xa4r2=UTF-8 \xc3\xa4\r\n"); },
     Outcome::Runs, "mixed encodings"},
    {"link-to-missing-section",
     [](const QString& h) { addEntries(caldora(h), "caves", "Verlorene Grotte=#,nirgendwo\r\n"); },
     Outcome::EndsWithMessage, "broken link"},
    {"links-in-a-circle",
     [](const QString& h) {
         addEntries(caldora(h), "caves", "Kreisgrotte=#,places\r\n");
         addEntries(caldora(h), "places", "Kreisgrotte=#,caves\r\n");
     },
     Outcome::Runs, "is a link again"},
    {"coordinate-99999", [](const QString& h) { coordinate(h, "99999,99999"); }, Outcome::Runs, "beyond the positions"},
    {"coordinate-minus-40000", [](const QString& h) { coordinate(h, "-40000,-40000"); }, Outcome::Runs,
     "beyond the positions"},
    {"coordinate-1e9", [](const QString& h) { coordinate(h, "1e9,1e9"); }, Outcome::Runs, "beyond the positions"},
    {"coordinate-12abc", [](const QString& h) { coordinate(h, "12abc,5x"); }, Outcome::Runs, "is not a number"},
    {"coordinate-empty", [](const QString& h) { coordinate(h, ","); }, Outcome::Runs, "is not a number"},
    {"more-than-81-entries",
     [](const QString& h) {
         QByteArray lines;
         for (int i = 0; i < 300; ++i)
             lines += "Höhle " + QByteArray::number(i) + "=" + QByteArray::number(i * 3 % 1024) + ",100\r\n";
         addEntries(caldora(h), "caves", lines);
     },
     Outcome::Runs, "only the first 81"},
    {"empty-category", [](const QString& h) { patch(caldora(h), "[caves]", "[caves]\r\n[old caves]"); },
     Outcome::Runs, "has no entries"},
    {"category-missing", [](const QString& h) { patch(caldora(h), "[caves]", "[not caves]"); }, Outcome::Runs,
     "is missing"},
    {"category-header-other-case", [](const QString& h) { patch(caldora(h), "[caves]", "[Caves] "); },
     Outcome::Runs, "header exactly"},
    {"only-disabled-entries",
     [](const QString& h) { disableSection(caldora(h), "caves"); }, Outcome::Runs,
     "no enabled entries"},
    {"duplicates-and-blanks",
     [](const QString& h) {
         addEntries(caldora(h), "caves", "  Blankhöhle=10,10\r\nDoppelt=1,1\r\nDoppelt=2,2\r\n");
         append(caldora(h), "\r\n[caves]\r\nZweite=3,3\r\n");
     },
     Outcome::Runs, "appears again"},
    {"picture-outside-installation", [](const QString& h) { setCavePicture(h, "../../../../../../etc/passwd"); },
     Outcome::Runs, "outside the installation"},
    {"picture-200-megabytes",
     [](const QString& h) {
         writeBytes(file(h, "PICS/huge.jpg"), hugeJpegHeader());
         QFile f(file(h, "PICS/huge.jpg"));
         f.resize(200 * 1024 * 1024); // sparse: the header claims the size, the disk keeps nothing
         setCavePicture(h, "huge.jpg");
     },
     Outcome::Runs, "too big to show"},
    {"picture-broken-jpeg",
     [](const QString& h) {
         writeBytes(file(h, "PICS/broken.jpg"), QByteArray("\xFF\xD8\xFF\xE0", 4) + garbage(5000, 2));
         setCavePicture(h, "broken.jpg");
     },
     Outcome::Runs, "picture of"},
    {"map-picture-broken",
     [](const QString& h) { writeBytes(file(h, "caldora.jpg"), QByteArray("\xFF\xD8\xFF\xE0", 4) + garbage(3000, 3)); },
     Outcome::Runs, "not a picture the program can read"},
    {"map-picture-huge-header", [](const QString& h) { writeBytes(file(h, "frostmere.jpg"), hugeJpegHeader()); }},
    {"map-picture-missing", [](const QString& h) { QFile::remove(file(h, "urkesh.jpg")); }, Outcome::EndsWithMessage,
     "missing or empty"},
    {"data-file-empty", [](const QString& h) { writeBytes(file(h, "ancestors.data"), {}); }, Outcome::EndsWithMessage,
     "missing or empty"},
    {"thousand-language-entries",
     [](const QString& h) {
         for (int i = 0; i < 1000; ++i) {
             const QString stem = QStringLiteral("L%1").arg(i, 4, 10, QLatin1Char('0'));
             if (i % 2 == 0)
                 writeBytes(h + "/LANG/" + stem + "/" + stem + ".lng", "[general]\r\nlanguage=" + stem.toUtf8() + "\r\n");
             else
                 writeBytes(h + "/LANG/" + stem, "not a folder");
         }
     },
     Outcome::Runs, "lists it as \"?\""},
    {"language-unreadable-and-looping",
     [](const QString& h) {
         QDir().mkpath(file(h, "LANG/Geheim"));
         writeBytes(file(h, "LANG/Geheim/Geheim.lng"), "[general]\r\nlanguage=Geheim\r\n");
         QFile::setPermissions(file(h, "LANG/Geheim/Geheim.lng"), QFileDevice::Permissions());
         QFile::setPermissions(file(h, "LANG/Geheim"), QFileDevice::Permissions());
         QFile::link(file(h, "LANG"), file(h, "LANG/Schleife"));
         QFile::link(file(h, "LANG/Zwei"), file(h, "LANG/Eins"));
         QFile::link(file(h, "LANG/Eins"), file(h, "LANG/Zwei"));
     },
     Outcome::Runs, "lists it as \"?\""},
    {"settings-read-only",
     [](const QString& h) {
         QFile::setPermissions(file(h, "karvenna.ini"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
     }},
    {"installation-read-only",
     [](const QString& h) {
         QFile::setPermissions(h, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                      | QFileDevice::ExeGroup);
     }},
    {"settings-is-a-folder",
     [](const QString& h) {
         QFile::remove(file(h, "karvenna.ini"));
         QDir().mkpath(file(h, "karvenna.ini/general"));
     }},
    {"settings-garbage", [](const QString& h) { writeBytes(file(h, "karvenna.ini"), garbage(4096, 4)); }, Outcome::Runs,
     "neither UTF-8 nor Windows-1252"},
    {"settings-folders-outside",
     [](const QString& h) {
         writeBytes(file(h, "karvenna.ini"),
                    "[folders]\r\nlang=../../../../../../proc/self\r\npics=/\r\nextras=../..\r\n[general]\r\nlanguage=English\r\n");
     }},
    {"names-of-5000-characters",
     [](const QString& h) {
         const QByteArray name = "Langer " + QByteArray(5000, 'n');
         addEntries(caldora(h), "caves", name + "=200,200\r\n");
         addEntries(caldora(h), "NPC", name + "x=300,300\r\n");
         append(file(h, "info.data"), "\r\n" + name.toLower() + "=" + QByteArray(5000, 'd') + "\r\n");
         append(english(h), "\r\n[entities]\r\n" + name + "=" + QByteArray(5000, 'N') + "\r\n");
     }},
    {"percent-s-and-line-breaks",
     [](const QString& h) {
         const QByteArray key = FirstKey(caldora(h), QStringLiteral("caves")).toLower().toUtf8();
         const QByteArray text = QByteArray("%s%n%x%d\\n").repeated(150) + "\\";
         append(file(h, "info.data"), "\r\n[info]\r\n" + key + "=" + text + "\r\n");
         writeBytes(file(h, "info.data"), readBytes(file(h, "info.data")).replace("=", "=%s\\n%s"));
         append(english(h), "\r\n[ui]\r\nFileNotFound=%s%s%s\\n%n\r\n[frmFind]\r\nSearchResult=%s%1%2\\n%s\r\n");
         patch(english(h), "root=Perks in %s", "root=%s%s%s%s\\n%1");
     }},
    {"self-referring-descriptions",
     [](const QString& h) {
         const QByteArray key = FirstKey(caldora(h), QStringLiteral("caves")).toLower().toUtf8();
         writeBytes(file(h, "info.data"), "[info]\r\n" + key + "=#" + key + "\r\n#=#\r\n");
     }},
    {"language-file-garbage", [](const QString& h) { writeBytes(english(h), garbage(20000, 5)); }},
    {"language-file-utf16",
     [](const QString& h) {
         const QString text = QString::fromUtf8(readBytes(english(h)));
         QByteArray bytes("\xFF\xFE");
         bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
         writeBytes(english(h), bytes);
     },
     Outcome::Runs, "UTF-16"},
    {"language-keys-unknown-and-empty-entity",
     [](const QString& h) {
         append(english(h), "\r\n[frmNothing]\r\nfoo=bar\r\n[menus]\r\nmiNothing=x\r\n");
         patch(english(h), "[entities]\r\n", "[entities]\r\n=\r\n");
     },
     Outcome::Runs, "never read"},
};

} // namespace

const QList<Case>& Cases() { return kCases; }

QString FirstKey(const QString& dataFile, const QString& section)
{
    const QStringList keys = IniOps::GetIniKeys(dataFile, section);
    return keys.isEmpty() ? QString() : keys.first();
}

void WriteBase(const QString& home)
{
    for (const char* name : {"caldora.data", "frostmere.data", "qasira.data", "urkesh.data", "ancestors.data",
                             "info.data", "karvenna.ini", "PICS/pic.ini"})
        copyFile(kSample + QLatin1Char('/') + QString::fromUtf8(name), file(home, name));
    const QByteArray picture = jpeg(256, 192);
    for (const char* name : {"caldora.jpg", "frostmere.jpg", "qasira.jpg", "urkesh.jpg", "ancestors.jpg"})
        writeBytes(file(home, name), picture);
    const QDir languages(kSample + QStringLiteral("/LANG"));
    for (const QString& stem : languages.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString& name : QDir(languages.filePath(stem)).entryList({"*.lng", "*.bmp", "info.data"}, QDir::Files))
            copyFile(languages.filePath(stem + QLatin1Char('/') + name), home + "/LANG/" + stem + "/" + name);
}

} // namespace Hostile
