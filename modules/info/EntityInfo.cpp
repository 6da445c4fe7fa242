#include "modules/info/EntityInfo.h"

#include "modules/Globals.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/StringOps.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {

const QString kInfoSection = QStringLiteral("info");

// One level of "#" reference: the text of the entry that the reference names.
QString followReference(const QString& file, const QString& text, bool translate)
{
    if (!text.startsWith(QLatin1Char('#')))
        return text;
    const QString target = EntityInfo::TrimBlanks(text.mid(1));
    return IniOps::ReadIni(file, kInfoSection, translate ? LOCAL::DelocalizeName(target) : target,
                           QString());
}

// The index was written on Windows, where "Wolf.JPG" also names "wolf.jpg": a path that does
// not exist as written is looked up part by part without regard to case.
QString findIgnoringCase(const QString& folder, const QString& relative)
{
    const QString written = folder + relative;
    if (relative.isEmpty() || QFileInfo::exists(written))
        return written;
    QString path = folder;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (!QFileInfo::exists(path + part)) {
            const QStringList entries =
                QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
                return e.compare(part, Qt::CaseInsensitive) == 0;
            });
            if (match == entries.end())
                return written;
            path += *match;
        } else {
            path += part;
        }
        if (&part != &parts.last())
            path += QLatin1Char('/');
    }
    return path;
}

} // namespace

EntityInfo::EntityInfo(const QString& name, const QString& infoFile)
    : m_caption(TrimBlanks(name))
{
    const bool german = LOCAL::IsGerman();
    // German reads the name exactly as stored; other languages its German form.
    const QString key = german ? name : LOCAL::DelocalizeName(m_caption);
    m_descriptionFile = german ? infoFile : TranslatedDescriptionFile();
    m_description = followReference(
        m_descriptionFile, IniOps::ReadIni(m_descriptionFile, kInfoSection, key, QString()), !german);
    m_description.replace(QLatin1String("\\n"), QLatin1String("\r\n"));

    // The picture index is keyed by the trimmed name in every language.
    const QString pictureKey = german ? m_caption : key;
    QString picture = IniOps::ReadIni(PicturesFolder() + QStringLiteral("pic.ini"),
                                      QStringLiteral("pics"), pictureKey, QString());
    // Index entries were written on Windows and may name subfolders with "\".
    picture.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_picturePath = findIgnoringCase(PicturesFolder(), picture);
}

QImage EntityInfo::loadPicture(const QSize& box) const
{
    if (!QFileInfo(m_picturePath).isFile() || box.isEmpty())
        return {};
    QImageReader reader(m_picturePath);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    // Decoding at the shown size keeps big photographs from taking much memory.
    if (size.isValid() && (size.width() > box.width() || size.height() > box.height()))
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.width() > box.width() || image.height() > box.height())
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

QString EntityInfo::PicturesFolder()
{
    return G().ProgramFolder + QLatin1Char('/') + G().PicsFolder + QLatin1Char('/');
}

QString EntityInfo::TranslatedDescriptionFile()
{
    return LOCAL::OwnOrSubstituteFile(QStringLiteral("info.data"));
}

QString EntityInfo::TrimBlanks(const QString& text)
{
    return StringOps::TrimSpaces(text);
}
