// The installation check: each fault is reported once, at its file and line, with the right
// severity; a clean installation gives no error.
#include "modules/lint/InstallationLint.h"
#include "support/TestInstall.h"

#include <QTextStream>
#include <QtTest>

namespace {

QStringList findings(const TestInstall& install)
{
    const Lint::Report report = Lint::CheckInstallation(install.path());
    QStringList lines;
    for (const Lint::Finding& f : report.findings())
        lines << Lint::Report::format(f, install.path());
    return lines;
}

bool hasLine(const QStringList& lines, const QString& start, const QString& part)
{
    for (const QString& line : lines)
        if (line.startsWith(start) && line.contains(part))
            return true;
    return false;
}

// Every category the menus of caldora name, so that only the line under test is wrong.
QString completeCaldora(const QString& caves)
{
    QString text = "[caves]\n" + caves;
    for (const char* c : {"NPC", "quest npcs", "teachers", "merchants", "friendsX", "bandits", "druids", "smiths",
                          "hunters", "alchemists", "fire mages", "orc chieftains", "commander", "hostile orcs",
                          "orc shamans", "ranger", "nightblades", "twelve paladins", "bundles of weapons quests",
                          "men for brennhold", "slave from wexley", "creatures", "items", "teleporter stones",
                          "meridane artefacts", "fire chalices", "mage chests", "weapon chests", "special chests",
                          "bundles of weapons", "tools", "baskets", "resources", "millstones", "dragonroots",
                          "goblinberries", "kings sorrels", "places", "cities", "shrines", "rebel camps"})
        text += QStringLiteral("[%1]\nDing=1,1\n").arg(QLatin1String(c));
    return text;
}

} // namespace

class TestLint : public QObject
{
    Q_OBJECT

private slots:
    void findingAtItsLine_data()
    {
        QTest::addColumn<QString>("caves");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("what");
        QTest::newRow("broken link") << "A=1,1\nB=#,nowhere\n" << "caldora.data:3: error:" << "broken link";
        QTest::newRow("link to a link") << "A=#,caves\n" << "caldora.data:2: warning:" << "link again";
        QTest::newRow("not a number") << "A=1,1\nB=12abc,5\n" << "caldora.data:3: error:" << "not a number";
        QTest::newRow("empty coordinates") << "A=,\n" << "caldora.data:2: error:" << "not a number";
        QTest::newRow("16-bit range") << "A=99999,5\n" << "caldora.data:2: error:" << "beyond the positions";
        QTest::newRow("negative beyond") << "A=5,-40000\n" << "caldora.data:2: error:" << "beyond the positions";
        QTest::newRow("outside the picture") << "A=1500,5\n" << "caldora.data:2: warning:" << "reference picture";
        QTest::newRow("no y") << "A=17\n" << "caldora.data:2: error:" << "is not \"x,y\"";
        QTest::newRow("leading blank") << "  A=1,1\n" << "caldora.data:2: warning:" << "begins with a blank";
        QTest::newRow("duplicate key") << "A=1,1\nA=2,2\n" << "caldora.data:3: warning:" << "appears again";
        QTest::newRow("only disabled") << ";A=1,1\n/B=2,2\n" << "caldora.data:1: error:" << "no enabled entries";
        QTest::newRow("no description") << "A=1,1\n" << "caldora.data:2: info:" << "has no description";
    }
    void findingAtItsLine()
    {
        QFETCH(QString, caves);
        QFETCH(QString, where);
        QFETCH(QString, what);
        TestInstall install;
        install.writeMinimalInstallation(completeCaldora(caves));
        install.writeText("info.data", "[info]\nding=Ein Ding\n");
        const QStringList lines = findings(install);
        QVERIFY2(hasLine(lines, where, what), qPrintable(lines.join('\n')));
    }

    void missingAndMiswrittenCategories()
    {
        TestInstall install;
        install.writeMinimalInstallation(completeCaldora("A=1,1\n").replace("[caves]", "[Caves]").remove("[NPC]\nDing=1,1\n")
                                         + "[places]\nZweiter=1,1\n");
        const QStringList lines = findings(install);
        QVERIFY2(hasLine(lines, "caldora.data:1: error:", "header exactly [caves]"), qPrintable(lines.join('\n')));
        QVERIFY2(hasLine(lines, "caldora.data:0: error:", "[NPC] that menu command miCaldoraNPCs names is missing"),
                 qPrintable(lines.join('\n')));
        QVERIFY2(hasLine(lines, "caldora.data:", "section [places] appears again"), qPrintable(lines.join('\n')));
    }

    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // empty: no finding about the text
        QTest::newRow("utf-8") << QByteArray("[info]\nb\xc3\xa4r=Fell\n") << QString();
        QTest::newRow("windows-1252") << QByteArray("[info]\nb\xe4r=Fell\n") << QString();
        QTest::newRow("mixed") << QByteArray("[info]\nb\xe4r=x\nb\xc3\xa4r=y\n") << "info.data:3: warning: mixed";
        QTest::newRow("utf-16") << QByteArray("\xff\xfe[\0i\0", 6) << "info.data:1: error: UTF-16";
        QTest::newRow("nul") << QByteArray("[info]\na=\0\n", 10) << "info.data:2: error: neither";
        QTest::newRow("undefined 1252 byte") << QByteArray("[info]\n\xe4=\x81\n") << "info.data:2: error: neither";
    }
    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        TestInstall install;
        install.writeMinimalInstallation();
        install.writeBytes("info.data", bytes);
        const QStringList lines = findings(install).filter(QRegularExpression("^info\\.data:\\d+: (error|warning): "));
        if (expected.isEmpty())
            QVERIFY2(lines.isEmpty(), qPrintable(lines.join('\n')));
        else
            QVERIFY2(hasLine(lines, expected, ""), qPrintable(lines.join('\n')));
    }

    void languageFiles()
    {
        TestInstall install;
        install.writeMinimalInstallation();
        install.writeText("LANG/Test/Test.lng", "[general]\nlanguage=Test\n[ui]\nFileNotFound=Missing file!\n"
                                                "Unknown=1\n[frmFind]\nSearchResult=Results for %s\n"
                                                "[frmNothing]\na=b\n[entities]\nOrt=Place\n");
        install.writeText("LANG/Leer/readme.html", "no language file");
        const QStringList lines = findings(install);
        const QString all = lines.join('\n');
        QVERIFY2(hasLine(lines, "LANG/Test/Test.lng:4: warning:", "no \"%s\""), qPrintable(all));
        QVERIFY2(hasLine(lines, "LANG/Test/Test.lng:5: warning:", "\"Unknown\" of [ui] is never read"), qPrintable(all));
        QVERIFY2(hasLine(lines, "LANG/Test/Test.lng:8: warning:", "[frmNothing] is never read"), qPrintable(all));
        QVERIFY2(!all.contains("SearchResult"), qPrintable(all));
        QVERIFY2(hasLine(lines, "LANG/Leer:0: warning:", "lists it as \"?\""), qPrintable(all));
        // "Ort" of every map is translated; nothing else is there to translate.
        QVERIFY2(!all.contains("has no translation"), qPrintable(all));
    }

    void cleanMapHasNoErrors()
    {
        TestInstall install;
        install.writeMinimalInstallation(completeCaldora("Höhle=100,100\n"));
        install.writeText("info.data", "[info]\nhöhle=Dunkel\nding=Ein Ding\nort=Ein Ort\n");
        const Lint::Report report = Lint::CheckInstallation(install.path());
        QString text;
        QTextStream out(&text);
        report.print(out, install.path());
        // The other maps of the minimal installation lack their categories; caldora is complete.
        QVERIFY2(!text.contains(QRegularExpression("^(caldora|info)\\.data:\\d+: (error|warning)",
                                                   QRegularExpression::MultilineOption)),
                 qPrintable(text));
        QVERIFY(text.contains("frostmere.data:0: error: category [NPC]"));
        QVERIFY(report.count(Lint::Severity::Error) > 0);
    }

    // Names that match only without regard to case are read like the others, and said once.
    void namesMatchingOnlyByCaseAreInfo()
    {
        TestInstall install;
        install.writeMinimalInstallation(completeCaldora("Höhle=100,100\n"), "[general]\nlanguage=English\n");
        QVERIFY(QFile::rename(install.file("caldora.data"), install.file("Caldora.data")));
        QVERIFY(QFile::rename(install.file("karvenna.ini"), install.file("KARVENNA.INI")));
        install.writeText("Pics/PIC.INI", "[pics]\nHöhle=Orte\\Hoehle.JPG\nOrt=orte/ort.jpg\n");
        install.writePicture("Pics/orte/hoehle.jpg", 40, 30);
        install.writePicture("Pics/orte/ort.jpg", 40, 30);
        install.writeText("lang/english/ENGLISH.LNG", "[general]\nlanguage=English\n[entities]\nHöhle=Cave\nOrt=Place\n");
        install.writeText("info.data", "[info]\nhöhle=Dunkel\nort=Ein Ort\n");
        const QStringList lines = findings(install);
        const QString all = lines.join('\n');
        for (const QString& expected : {"Caldora.data:0: info: found only without regard to case: the program looks for \"caldora.data\"",
                                        "KARVENNA.INI:0: info: found only without regard to case",
                                        "Pics:0: info: found only without regard to case: the program looks for \"PICS\"",
                                        "Pics/PIC.INI:0: info:", "Pics/orte/hoehle.jpg:0: info:",
                                        "lang:0: info:", "lang/english:0: info:", "lang/english/ENGLISH.LNG:0: info:"})
            QVERIFY2(lines.contains(QString(expected)) || hasLine(lines, expected, ""), qPrintable(all));
        QCOMPARE(lines.filter("Pics/orte/hoehle.jpg:").size(), 1);
        // Found, so read: the caves of Caldora, their picture and the language are checked as usual.
        QVERIFY2(!all.contains("Caldora.data:0: error"), qPrintable(all));
        QVERIFY2(!all.contains("caldora.data:0: error"), qPrintable(all));
        QVERIFY2(!all.contains("picture of \"Höhle\" is missing"), qPrintable(all));
        QVERIFY2(!all.contains("has no language file"), qPrintable(all));
        QVERIFY2(!all.contains("Pics/orte/ort.jpg"), qPrintable(all));
    }
};

QTEST_GUILESS_MAIN(TestLint)
#include "test_lint.moc"
