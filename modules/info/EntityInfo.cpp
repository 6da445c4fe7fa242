#include "modules/info/EntityInfo.h"

#include "modules/FileSystem.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"
#include "modules/StringOps.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {

const QString kInfoSection = QStringLiteral("info");

// One level of "#" reference: the text of the entry that the reference names.
// language is null for German, whose names need no translation.
QString followReference(const QString& file, const QString& text, LanguageState* language)
{
    if (!text.startsWith(QLatin1Char('#')))
        return text;
    const QString target = EntityInfo::TrimBlanks(text.mid(1));
    return IniOps::ReadIni(file, kInfoSection, language ? LOCAL::DelocalizeName(*language, target) : target,
                           QString());
}

} // namespace

EntityInfo::EntityInfo(Session& session, const QString& name, const QString& infoFile)
    : m_caption(TrimBlanks(name))
{
    LanguageState& language = session.language;
    const bool german = LOCAL::IsGerman(language);
    // German reads the name exactly as stored; other languages its German form.
    const QString key = german ? name : LOCAL::DelocalizeName(language, m_caption);
    m_descriptionFile = german ? infoFile : TranslatedDescriptionFile(language);
    m_description = followReference(
        m_descriptionFile, IniOps::ReadIni(m_descriptionFile, kInfoSection, key, QString()),
        german ? nullptr : &language);
    m_description.replace(QLatin1String("\\n"), QLatin1String("\r\n"));

    // The picture index is keyed by the trimmed name in every language.
    const QString pictureKey = german ? m_caption : key;
    const QString pictures = PicturesFolder(session);
    QString picture = IniOps::ReadIni(pictures + QStringLiteral("pic.ini"),
                                      QStringLiteral("pics"), pictureKey, QString());
    // Index entries were written on Windows and may name subfolders with "\".
    picture.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_picturePath = picture.isEmpty() ? pictures : FileSystem::FindFile(pictures + picture);
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

QString EntityInfo::PicturesFolder(const Session& session)
{
    return session.ProgramFolder + QLatin1Char('/') + session.PicsFolder + QLatin1Char('/');
}

QString EntityInfo::TranslatedDescriptionFile(const LanguageState& language)
{
    return LOCAL::OwnOrSubstituteFile(language, QStringLiteral("info.data"));
}

QString EntityInfo::TrimBlanks(const QString& text)
{
    return StringOps::TrimSpaces(text);
}
