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

    // Without any write permission a file or folder is left alone, by root too.
    void readOnlyFilesAndFoldersAreNotWritten_data()
    {
        QTest::addColumn<QString>("readOnly"); // what loses its write permission
        QTest::addColumn<bool>("fileThere");
        QTest::newRow("read-only file") << "inst/Karvenna.ini" << true;
        QTest::newRow("read-only folder, file there") << "inst" << true;
        QTest::newRow("read-only folder, no file") << "inst" << false;
        QTest::newRow("all writable") << "" << true;
    }
    void readOnlyFilesAndFoldersAreNotWritten()
    {
        QFETCH(QString, readOnly);
        QFETCH(bool, fileThere);
        TestInstall install;
        install.writeText(fileThere ? "inst/Karvenna.ini" : "inst/other", "[general]\nlanguage=\n");
        const auto readExecute = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner
                                 | QFile::ExeGroup | QFile::ExeOther;
        if (!readOnly.isEmpty())
            QVERIFY(QFile::setPermissions(install.file(readOnly), readExecute));
        const QString asked = install.file("inst/karvenna.ini");
        const bool writable = readOnly.isEmpty();
        QCOMPARE(IniOps::CanWrite(asked), writable);
        QCOMPARE(IniOps::WriteIni(asked, "general", "language", "English"), writable);
        QCOMPARE(IniOps::ReadIni(asked, "general", "language", ""), writable ? QString("English") : QString());
        QCOMPARE(QDir(install.file("inst")).entryList(QDir::Files),
                 QStringList{fileThere ? "Karvenna.ini" : "other"});
        QFile::setPermissions(install.file("inst"), readExecute | QFile::WriteOwner);
    }
};

QTEST_GUILESS_MAIN(TestWindowsNames)
#include "test_windowsnames.moc"
