// Help, read-me, download, web, extras and print driven through the batch mode: what the
// dump says would be opened or started, and the PDF page that is really written.
#include "support/TestInstall.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// "open TARGET" or "run COMMANDLINE" for each recorded shell entry.
QStringList shellOf(const QJsonObject& dump)
{
    QStringList entries;
    for (const QJsonValue& v : dump["shell"].toArray()) {
        const QJsonObject o = v.toObject();
        entries << (o["kind"].toString() == "open" ? "open " + o["target"].toString()
                                                    : "run " + o["commandLine"].toString());
    }
    return entries;
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private:
    TestInstall* m_install = nullptr;

    void install(const QString& language, const QString& urls = QString())
    {
        m_install->writeMinimalInstallation("[caves]\nHöhle=100,120\nGrotte=700,500\n",
                                            "[general]\nlanguage=" + language
                                                + "\nSubstLang=English\n" + urls);
    }

    BatchResult run(const QStringList& actions, const QStringList& environment = {})
    {
        return RunKarvenna(QStringList{"--home", m_install->path(), "--batch"} + actions,
                           environment);
    }

    QString home(const QString& relative) const { return m_install->file(relative); }

private slots:
    void init() { m_install = new TestInstall; }
    void cleanup() { delete m_install; }

    void germanTakesTheProgramFolder()
    {
        install("Deutsch");
        m_install->writeText("karvenna.chm", "ITSF");
        const BatchResult result = run({"--open", "miHelp", "--open", "miReadMe", "--extras",
                                        "cheatlist.html", "--extras", "perklist.chm"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(shellOf(result.dump()),
                 QStringList({"open \"" + home("karvenna.chm") + "\"",
                              "run mshta.exe \"" + home("readme.html") + "\"",
                              "run mshta.exe \"" + home("EXTRAS/cheatlist.html") + "\"",
                              "open \"" + home("EXTRAS/perklist.chm") + "\""}));
    }

    void otherLanguageFallsBackToTheSubstitute()
    {
        install("Francais");
        m_install->writeText("LANG/Francais/Francais.lng", "[general]\nlanguage=Français\n");
        m_install->writeText("LANG/English/karvenna.chm", "ITSF");
        m_install->writeBytes("LANG/Francais/readme.html", QByteArray());
        m_install->writeText("LANG/Francais/faq.html", "<p>FAQ</p>");
        const BatchResult result = run({"--open", "miHelp", "--open", "miReadMe", "--extras",
                                        "faq.html", "--extras", "cheatlist.html"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(shellOf(result.dump()),
                 QStringList({"open \"" + home("LANG/Francais/karvenna.chm") + "\"",
                              "open \"" + home("LANG/English/karvenna.chm") + "\"",
                              "run mshta.exe \"" + home("LANG/English/readme.html") + "\"",
                              "run mshta.exe \"" + home("LANG/Francais/faq.html") + "\"",
                              "run mshta.exe \"" + home("LANG/English/cheatlist.html") + "\""}));
    }

    void downloadsAndWebSites()
    {
        install("Deutsch", "[urls]\nDownload=  http://mirror.example/k.rar  \nthornvalepatch=   \n");
        const BatchResult result =
            run({"--open", "miUpdateKarvenna", "--open", "miUpdate", "--open",
                 "miDownloadTranslatorSDK", "--open", "miHalvarkForum"});
        QCOMPARE(result.exitCode, 0);
        const QStringList shell = shellOf(result.dump());
        QCOMPARE(shell.size(), 4);
        QCOMPARE(shell[0], QString("open http://mirror.example/k.rar"));
        QVERIFY(shell[1].startsWith("open http://"));
        QVERIFY(shell[2].endsWith(".rar"));
        QVERIFY(shell[3].endsWith("/forumdisplay.php?f=252"));
    }

    void printsOnASystemPrinterAndIntoAPdfFile()
    {
        install("Deutsch");
        const QString pdf = home("out/map.pdf");
        QDir().mkpath(home("out"));
        const BatchResult result =
            run({"--size", "600x400", "--open", "miCaldoraCaves", "--print", "Beta:portrait",
                 "--print", "PDF:landscape", "--pdf-file", pdf, "--print", "Gamma:landscape"},
                {"KARVENNA_PRINTERS=Alpha;Beta"});
        QCOMPARE(result.exitCode, 0);
        const QJsonObject dump = result.dump();
        const QJsonArray printed = dump["printed"].toArray();
        QCOMPARE(printed.size(), 2);
        QCOMPARE(printed[0].toObject(),
                 QJsonObject({{"printer", "Beta"}, {"orientation", "portrait"}, {"file", ""}}));
        QCOMPARE(printed[1].toObject(),
                 QJsonObject({{"printer", "PDF"}, {"orientation", "landscape"}, {"file", pdf}}));
        QVERIFY(!dump["errors"].toArray().isEmpty());   // Gamma is not offered

        bool sawPrintDialog = false;
        for (const QJsonValue& d : dump["dialogs"].toArray()) {
            const QJsonObject dialog = d.toObject();
            if (dialog["name"].toString() != "frmPrint")
                continue;
            sawPrintDialog = true;
            const QJsonObject printers = dialog["controls"].toObject()["cboPrinters"].toObject();
            QCOMPARE(printers["items"].toArray(), QJsonArray({"Alpha", "Beta", "PDF"}));
            QCOMPARE(printers["selected"].toInt(), 0);
        }
        QVERIFY(sawPrintDialog);

        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(5), QByteArray("%PDF-"));
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QProcess pdftoppm;
        pdftoppm.start("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, home("out/page")});
        QVERIFY(pdftoppm.waitForFinished(30000));
        const QImage page(home("out/page.png"));
        QVERIFY(page.width() > page.height());
        // The map area (600 x 400 pixels at 96 dpi) from the corner, white beyond it.
        QCOMPARE(qGray(page.pixel(620, 200)), 255);
        QCOMPARE(qGray(page.pixel(300, 420)), 255);
        QVERIFY(qGray(page.pixel(300, 200)) < 250);
        QVERIFY(qGray(page.pixel(590, 390)) < 250);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
