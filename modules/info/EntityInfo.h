#pragma once
// What the information window shows of one entity: its description from the description file
// of the current language and the picture that the picture index names. Read on every opening.
#include <QImage>
#include <QSize>
#include <QString>

class Session;
struct LanguageState;

class EntityInfo
{
public:
    // name: the entity as the main window stored it (framing blanks allowed);
    // infoFile: the program folder's description file, read for German.
    EntityInfo(Session& session, const QString& name, const QString& infoFile);

    QString caption() const { return m_caption; }              // the name without framing blanks
    QString descriptionFile() const { return m_descriptionFile; }
    QString description() const { return m_description; }      // line breaks as CR LF
    // Pictures folder + the index entry; without an entry that is the folder itself.
    QString picturePath() const { return m_picturePath; }

    // The picture scaled down to fit box, keeping its proportions; a null image when the
    // file is missing or cannot be read.
    QImage loadPicture(const QSize& box) const;

    // ProgramFolder + "/" + PicsFolder + "/"
    static QString PicturesFolder(const Session& session);
    // The description file of a non-German language: the language's own when it is there
    // and not empty, otherwise the substitute language's.
    static QString TranslatedDescriptionFile(const LanguageState& language);
    // Leading and trailing blanks removed (only blanks, as the names are framed with them).
    static QString TrimBlanks(const QString& text);

private:
    QString m_caption;
    QString m_descriptionFile;
    QString m_description;
    QString m_picturePath;
};
