// Installations copied from Windows: files are found whatever case their names have, "\"
// separates folders, and what reads, checks and writes profile files goes to the file found.
#include "modules/FileSystem.h"
#include "modules/IniOps.h"
#include "support/TestInstall.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestWindowsNames : public QObject
{
    Q_OBJECT

private slots:
    void findsWhatWindowsWouldOpen_data()
    {
        QTest::addColumn<QStringList>("files");   // what is on disk
        QTest::addColumn<QString>("asked");       // what the program asks for
        QTest::addColumn<QString>("found");       // "" when nothing matches: asked comes back
        QTest::newRow("exact name") << QStringList{"caldora.data", "Caldora.data"} << "caldora.data"
                                    << "caldora.data";
        QTest::newRow("file in another case") << QStringList{"Caldora.data"} << "caldora.data"
                                              << "Caldora.data";
        QTest::newRow("folders and file") << QStringList{"Pics/PIC.INI"} << "PICS/pic.ini" << "Pics/PIC.INI";
        QTest::newRow("deep, mixed") << QStringList{"lang/english/ENGLISH.LNG"}
                                     << "LANG/English/English.lng" << "lang/english/ENGLISH.LNG";
        QTest::newRow("backslashes") << QStringList{"PICS/tiere/Wolf.JPG"} << "PICS\\Tiere\\wolf.jpg"
                                     << "PICS/tiere/Wolf.JPG";
        QTest::newRow("a folder") << QStringList{"Extras/faq.html"} << "EXTRAS" << "Extras";
        QTest::newRow("umlauts fold too") << QStringList{"ÜBER.txt"} << "über.TXT" << "ÜBER.txt";
        QTest::newRow("first in name order wins") << QStringList{"b/WOLF.jpg", "b/Wolf.jpg"}
                                                  << "b/wolf.jpg" << "b/WOLF.jpg";
        QTest::newRow("no such file") << QStringList{"caldora.data"} << "caldora.dat" << "";
        QTest::newRow("no such folder") << QStringList{"PICS/wolf.jpg"} << "BILDER/wolf.jpg" << "";
        QTest::newRow("a file is no folder") << QStringList{"pics"} << "PICS/wolf.jpg" << "";
        QTest::newRow("dot parts are not guessed") << QStringList{"a/x"} << "A/../a/x" << "";
    }
    void findsWhatWindowsWouldOpen()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, asked);
        QFETCH(QString, found);
        TestInstall install;
        for (const QString& file : files)
            install.writeText(file, "[x]\nk=v\n");
        const QString path = install.file(asked);
        QCOMPARE(FileSystem::FindFile(path), found.isEmpty() ? path : install.file(found));
        const bool byCase = !found.isEmpty() && found != QString(asked).replace('\\', '/');
        QCOMPARE(FileSystem::MatchesOnlyByCase(path), byCase);
        if (!QFileInfo(install.file(found)).isDir())
            QCOMPARE(FileSystem::FileExists(path), !found.isEmpty());
    }

    void relativeAndEmptyPaths()
    {
        TestInstall install;
        install.writeText("Sub/File.TXT", "x");
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(install.path()));
        QCOMPARE(FileSystem::FindFile("sub/file.txt"), QString("Sub/File.TXT"));
        QCOMPARE(FileSystem::FindFile("sub\\file.txt"), QString("Sub/File.TXT"));
        QVERIFY(QDir::setCurrent(saved));
        QCOMPARE(FileSystem::FindFile(QString()), QString());
        QVERIFY(!FileSystem::MatchesOnlyByCase(QString()));
    }

    void renamedFilesAreSeenAtTheNextLookup()
    {
        TestInstall install;
        install.writeText("PICS/Wolf.jpg", "x");
        QCOMPARE(FileSystem::FindFile(install.file("PICS/wolf.JPG")), install.file("PICS/Wolf.jpg"));
        QVERIFY(QFile::rename(install.file("PICS/Wolf.jpg"), install.file("PICS/WOLF.JPG")));
        QCOMPARE(FileSystem::FindFile(install.file("PICS/wolf.JPG")), install.file("PICS/WOLF.JPG"));
        QVERIFY(QFile::remove(install.file("PICS/WOLF.JPG")));
        QCOMPARE(FileSystem::FindFile(install.file("PICS/wolf.JPG")), install.file("PICS/wolf.JPG"));
        QVERIFY(!FileSystem::FileExists(install.file("PICS/wolf.JPG")));
    }

    void profileFilesAreReadAndWrittenWhereTheyAre()
    {
        TestInstall install;
        install.writeText("KARVENNA.INI", "[general]\nlanguage=Francais\n");
        const QString asked = install.file("karvenna.ini");
        QCOMPARE(IniOps::ReadIni(asked, "general", "language", "-"), QString("Francais"));
        QCOMPARE(IniOps::GetIniSections(asked), QStringList{"general"});
        QVERIFY(IniOps::CanWrite(asked));
        QVERIFY(IniOps::WriteIni(asked, "general", "language", "English"));
        // The one file changed; no second file beside it.
        QVERIFY(!QFileInfo::exists(asked));
        QCOMPARE(IniOps::ReadIni(install.file("KARVENNA.INI"), "general", "language", "-"), QString("English"));
        QCOMPARE(IniOps::ReadIni(asked, "general", "language", "-"), QString("English"));

        // A file written beside it later in the exact case is read from then on.
        install.writeText("karvenna.ini", "[general]\nlanguage=Deutsch\n");
        QCOMPARE(IniOps::ReadIni(asked, "general", "language", "-"), QString("Deutsch"));
    }

    void readOnlyFilesAndFoldersAreNotWritten_data()
    {
        QTest::addColumn<bool>("fileReadOnly");
        QTest::addColumn<bool>("folderReadOnly");
        QTest::addColumn<bool>("fileThere");
        QTest::newRow("read-only file") << true << false << true;
        QTest::newRow("read-only folder, file there") << false << true << true;
        QTest::newRow("read-only folder, no file") << false << true << false;
        QTest::newRow("all writable") << false << false << true;
    }
    void readOnlyFilesAndFoldersAreNotWritten()
    {
        QFETCH(bool, fileReadOnly);
        QFETCH(bool, folderReadOnly);
        QFETCH(bool, fileThere);
        TestInstall install;
        const QString folder = install.file("inst");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + "/Karvenna.ini";
        if (fileThere)
            install.writeText("inst/Karvenna.ini", "[general]\nlanguage=\n");
        const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        if (fileReadOnly)
            QVERIFY(QFile::setPermissions(file, readOnly));
        if (folderReadOnly)
            QVERIFY(QFile::setPermissions(folder, readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
        const QByteArray before = fileThere ? [&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }()
                                            : QByteArray();
        const bool writable = !fileReadOnly && !folderReadOnly;
        QCOMPARE(IniOps::CanWrite(folder + "/karvenna.ini"), writable);
        QCOMPARE(IniOps::WriteIni(folder + "/karvenna.ini", "general", "language", "English"), writable);
        QCOMPARE(IniOps::ReadIni(folder + "/karvenna.ini", "general", "language", ""),
                 writable ? QString("English") : QString());
        if (!writable && fileThere) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files), fileThere ? QStringList{"Karvenna.ini"} : QStringList());
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestWindowsNames)
#include "test_windowsnames.moc"
