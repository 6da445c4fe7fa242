// An installation copied from Windows: the sample with its names in other cases ("Caldora.data",
// "Pics/PIC.INI", "lang/english/ENGLISH.LNG", "Wolf.JPG") and "\" in its picture index opens
// every category, picture and language exactly as the sample does, and the language choice is
// written into the settings file it has.
#include "forms/main/frmMain.h"
#include "modules/FileSystem.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"
#include "modules/info/EntityInfo.h"
#include "modules/installation/Installation.h"
#include "modules/language/LanguageCatalogue.h"
#include "modules/menu/MenuTable.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"

#include <QAction>
#include <QDirIterator>
#include <QtTest>

namespace {

bool copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(file, target))
            return false;
    }
    return true;
}

bool rename(const QString& folder, const QString& from, const QString& to)
{
    return QDir(folder).rename(from, to);
}

// "wolf_x_1.jpg" -> "Wolf_x_1.JPG"
QString windowsName(const QString& name)
{
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(1).toUpper() + name.mid(1, dot - 1) + name.mid(dot).toUpper();
}

// The sample as a Windows installation copied to Linux could have it.
bool makeWindowsCopy(const QString& folder)
{
    bool ok = rename(folder, "caldora.data", "Caldora.data") && rename(folder, "frostmere.jpg", "Frostmere.JPG")
              && rename(folder, "karvenna.ini", "Karvenna.INI") && rename(folder, "PICS", "Pics")
              && rename(folder, "Pics/pic.ini", "Pics/PIC.INI") && rename(folder, "LANG", "lang")
              && rename(folder, "lang/English", "lang/english")
              && rename(folder, "lang/english/English.lng", "lang/english/ENGLISH.LNG")
              && rename(folder, "lang/english/English.bmp", "lang/english/english.BMP")
              && rename(folder, "lang/english/info.data", "lang/english/Info.Data");
    // Every picture and its folder renamed; the index names them as it always did, with "\".
    QDirIterator it(folder + "/Pics", {"*.jpg"}, QDir::Files, QDirIterator::Subdirectories);
    QStringList pictures;
    while (it.hasNext())
        pictures << it.next();
    for (const QString& picture : std::as_const(pictures)) {
        const QFileInfo info(picture);
        ok = ok && QFile::rename(picture, info.absolutePath() + '/' + windowsName(info.fileName()));
    }
    for (const QString& sub : QDir(folder + "/Pics").entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        ok = ok && rename(folder + "/Pics", sub, sub.left(1).toUpper() + sub.mid(1));
    QFile index(folder + "/Pics/PIC.INI");
    if (!ok || !index.open(QIODevice::ReadWrite))
        return false;
    QByteArray text = index.readAll();
    text.replace('/', '\\');
    index.resize(0);
    return index.write(text) == text.size();
}

// What a category shows: the list, the markers with their places, names and descriptions.
QStringList shown(const MainDisplay& d)
{
    QStringList lines = d.cboItems.items;
    lines << QString("list %1 %2").arg(d.cboItems.visible).arg(d.cboItems.listIndex);
    lines << d.lblMultiInfo.caption << d.lblCaption.caption << d.ITEM.desc;
    for (int i = 0; i < kMarkerCount; ++i)
        if (d.DOT[i].visible)
            lines << QString("%1 %2,%3 %4 %5").arg(i).arg(d.DOT[i].left).arg(d.DOT[i].top)
                         .arg(d.lblDOT[i].caption, d.DOT[i].desc);
    return lines;
}

} // namespace

class TestWindowsInstall : public QObject
{
    Q_OBJECT

    TestInstall m_dirs;
    QString m_sample, m_windows;
    Session m_sampleSession, m_windowsSession;
    std::unique_ptr<Services> m_services = RecordingServices();
    std::unique_ptr<frmMain> m_sampleMain, m_windowsMain;

    void start(std::unique_ptr<frmMain>& main, Session& session, const QString& folder)
    {
        session.ProgramFolder = folder;
        main = std::make_unique<frmMain>(session, *m_services);
        main->Create();
        QVERIFY(main->Load());
    }

private slots:
    void initTestCase()
    {
        m_dirs.writeText("registry.ini", "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        qputenv("KARVENNA_REGISTRY", m_dirs.file("registry.ini").toLocal8Bit());
        m_sample = m_dirs.file("sample");
        m_windows = m_dirs.file("windows");
        QVERIFY(copyTree(KARVENNA_SAMPLE_DIR, m_sample));
        QVERIFY(copyTree(KARVENNA_SAMPLE_DIR, m_windows));
        QVERIFY(makeWindowsCopy(m_windows));
        QVERIFY(!QFileInfo::exists(m_windows + "/caldora.data"));
        start(m_sampleMain, m_sampleSession, m_sample);
        start(m_windowsMain, m_windowsSession, m_windows);
        QCOMPARE(m_services->record.messages().size(), 0);
    }

    void everyCategoryShowsAsInTheSample_data()
    {
        QTest::addColumn<QString>("name");
        for (const MenuEntry& e : MenuTable::Entries())
            if (e.category)
                QTest::newRow(e.name) << QString::fromLatin1(e.name);
    }
    void everyCategoryShowsAsInTheSample()
    {
        QFETCH(QString, name);
        QStringList seen[2];
        int i = 0;
        for (frmMain* main : {m_sampleMain.get(), m_windowsMain.get()}) {
            main->action(name)->trigger();
            if (main->display().cboItems.visible && main->display().cboItems.items.size() > 1) {
                main->display().SelectListIndex(1);
                main->syncDisplay();
            }
            seen[i++] = shown(main->display());
            seen[i - 1] << QString::number(main->display().pictureLoaded)
                        << QString::number(FileSystem::FileExists(main->display().picture));
        }
        QVERIFY(seen[0].size() > 3);
        QCOMPARE(seen[0].mid(seen[0].size() - 2), QStringList({"1", "1"}));
        QCOMPARE(seen[1], seen[0]);
    }

    void everyPictureAndDescriptionShowsAsInTheSample()
    {
        const IniOps::Reader index(m_sample + "/PICS/pic.ini");
        int pictures = 0;
        for (const IniOps::Reader::Entry& entry : index.GetIniEntries("pics")) {
            const EntityInfo sample(m_sampleSession, entry.key, m_sampleMain->InfoFile);
            const EntityInfo windows(m_windowsSession, entry.key, m_windowsMain->InfoFile);
            QCOMPARE(windows.description(), sample.description());
            const QImage expected = sample.loadPicture(QSize(120, 90));
            QVERIFY2(!expected.isNull(), qPrintable(entry.key));
            QCOMPARE(windows.loadPicture(QSize(120, 90)), expected);
            ++pictures;
        }
        QVERIFY(pictures > 100);
    }

    void everyLanguageAsInTheSample()
    {
        using namespace LanguageCatalogue;
        const auto rowsOf = [](const Session& s) {
            QStringList texts;
            for (const Row& row : FolderRows(s.language.LanguageFolder, EnumFoldersEx(s.language.LanguageFolder, false)))
                texts << row.text + (QImage(FileSystem::FindFile(row.flagPath)).isNull() ? " no flag" : " flag");
            texts.sort();
            return texts;
        };
        QCOMPARE(rowsOf(m_windowsSession), rowsOf(m_sampleSession));
        QCOMPARE(rowsOf(m_sampleSession), QStringList({" English flag", " Français flag"}));

        for (const QString& stem : {"English", "Francais", "Deutsch"}) {
            QStringList seen[2];
            int i = 0;
            for (Session* s : {&m_sampleSession, &m_windowsSession}) {
                LanguageState& language = s->language;
                QString tag = GermanTag();
                for (const Row& row : FolderRows(language.LanguageFolder, EnumFoldersEx(language.LanguageFolder, false)))
                    if (FileSystem::GetFileStem(row.tag).compare(stem, Qt::CaseInsensitive) == 0)
                        tag = row.tag;
                LanguageChoice choice(s->ProgramFolder, s->SettingsFile, s->userConfig);
                Confirm(language, tag, choice);
                LOCAL::CacheTranslationTable(language);
                const QString german = "Schrein der Morgenröte";
                const QString name = LOCAL::IsGerman(language) ? german : LOCAL::LocalizeName(language, german);
                const EntityInfo info(*s, name, s->ProgramFolder + "/info.data");
                QVERIFY(!info.description().isEmpty());
                seen[i++] = QStringList{language.LanguageName,
                                        LOCAL::IsGerman(language) ? QString() : LOCAL::Text(language, "menus", "miCaldoraCaves", "-"),
                                        QString::number(language.EntityKeys.size()), info.description(),
                                        QString::number(FileSystem::FileExists(LOCAL::OwnOrSubstituteFile(language, "readme.html")))};
            }
            QCOMPARE(seen[1], seen[0]);
        }
        // The choice went into the settings file the copy has; no second one appeared.
        QCOMPARE(IniOps::ReadIni(m_windows + "/Karvenna.INI", "general", "language", ""), QString("Deutsch"));
        QVERIFY(!QFileInfo::exists(m_windows + "/karvenna.ini"));
    }

    void theNextStartSpeaksTheChosenLanguage()
    {
        QVERIFY(IniOps::WriteIni(m_windows + "/karvenna.ini", "general", "language", "English"));
        Session session;
        std::unique_ptr<frmMain> main;
        start(main, session, m_windows);
        QCOMPARE(session.language.LanguageName, QString("English"));
        QCOMPARE(main->action("miCaldoraCaves")->text(),
                 IniOps::ReadIni(m_sample + "/LANG/English/English.lng", "menus", "miCaldoraCaves", "-"));
        QVERIFY(session.language.EntityKeys.size() > 10);
    }

    void cleanupTestCase()
    {
        m_sampleMain.reset();
        m_windowsMain.reset();
    }
};

QTEST_MAIN(TestWindowsInstall)
#include "test_windowsinstall.moc"
