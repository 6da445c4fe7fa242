// Our compiled-help viewer and HTML window: the contents sitemap, reading a real help file
// (compiled with chmcmd when it is installed), pictures and links inside the archive, links
// outside it through the shell, and closing and sizing like the desktop's viewers.
#include "controls/ChmArchive.h"
#include "controls/ChmSitemap.h"
#include "controls/HelpViewer.h"
#include "controls/HtmlText.h"
#include "controls/HtmlViewer.h"
#include "modules/UserFiles.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>
#include <QScreen>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

Q_DECLARE_METATYPE(QList<SitemapEntry>)

namespace {

QString describe(const QList<SitemapEntry>& entries)
{
    QStringList parts;
    for (const SitemapEntry& e : entries) {
        QString part = e.name + "=" + e.local;
        if (!e.children.isEmpty())
            part += "(" + describe(e.children) + ")";
        parts << part;
    }
    return parts.join(", ");
}

const char* const kContents =
    "<HTML><BODY><OBJECT type=\"text/site properties\"><param name=\"ImageType\" value=\"Folder\">"
    "</OBJECT><UL>\n"
    "<LI> <OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Willkommen\">"
    "<param name=\"Local\" value=\"index.htm\"></OBJECT>\n"
    "<LI> <OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Karten &amp; Orte\"></OBJECT>\n"
    "<UL><LI> <OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Caldora\">"
    "<param name=\"Local\" value=\"sub/page2.htm\"></OBJECT></UL>\n"
    "</UL></BODY></HTML>\n";

// Compiles a small help file with a picture, a sub-folder page and links; "" without chmcmd,
// a path to nothing when the compiler failed.
QString compileHelp(const TestInstall& install)
{
    if (QStandardPaths::findExecutable("chmcmd").isEmpty())
        return {};
    install.writeText("src/help.hhp",
                      "[OPTIONS]\nCompiled file=help.chm\nContents file=toc.hhc\n"
                      "Default topic=index.htm\nTitle=Karvenna Hilfe\n\n"
                      "[FILES]\nindex.htm\nsub/page2.htm\npics/dot.png\n");
    install.writeText("src/toc.hhc", kContents);
    install.writeBytes("src/index.htm",
                       "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=windows-1252\"><title>Willkommen</title></head><body>"
                       "<h1>Gr\xfc\xdf" "e</h1><img src=\"pics/dot.png\">"
                       "<a href=\"sub/page2.htm\">Caldora</a></body></html>");
    install.writeText("src/sub/page2.htm",
                      "<html><body><h2>Caldora</h2><img src=\"../pics/dot.png\">"
                      "<a href=\"../index.htm#top\">Start</a></body></html>");
    QImage dot(24, 24, QImage::Format_RGB32);
    dot.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    dot.save(&buffer, "PNG");
    install.writeBytes("src/pics/dot.png", png);
    QProcess chmcmd;
    chmcmd.setWorkingDirectory(install.file("src"));
    chmcmd.start("chmcmd", {"help.hhp"});
    if (!chmcmd.waitForFinished(30000))
        return {};
    return install.file("src/help.chm");
}

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void parsesTheContents_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nested book") << QString(kContents)
                                     << "Willkommen=index.htm, Karten & Orte=(Caldora=sub/page2.htm)";
        QTest::newRow("lower case, single quotes, unquoted")
            << "<ul><li><object type='text/sitemap'><param name=name value='A'>"
               "<param name=local value=a.htm></object></ul>"
            << "A=a.htm";
        QTest::newRow("first name and page win")
            << "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"One\">"
               "<param name=\"Name\" value=\"Two\"><param name=\"Local\" value=\"1.htm\">"
               "<param name=\"Local\" value=\"2.htm\"></OBJECT></UL>"
            << "One=1.htm";
        QTest::newRow("missing closing lists")
            << "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"A\"></OBJECT>"
               "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"B\"></OBJECT>"
            << "A=(B=)";
        QTest::newRow("site properties are no entry")
            << "<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"X\"></OBJECT>"
            << "";
        QTest::newRow("not a sitemap") << "just text < > & no tags" << "";
        QTest::newRow("numeric entities") << "<UL><LI><OBJECT type=\"text/sitemap\">"
                                             "<param name=\"Name\" value=\"R&#252;stung &#x26; Co\">"
                                             "</OBJECT></UL>"
                                          << "Rüstung & Co=";
    }

    void parsesTheContents()
    {
        QFETCH(QString, html);
        QFETCH(QString, expected);
        QCOMPARE(describe(ChmSitemap::Parse(html)), expected);
    }

    void deepNestingIsBounded()
    {
        QString html;
        for (int i = 0; i < 20000; ++i)
            html += "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"x\"></OBJECT>";
        const QList<SitemapEntry> entries = ChmSitemap::Parse(html);
        QCOMPARE(entries.size(), 1);
        int depth = 0;
        for (const SitemapEntry* e = &entries.first(); !e->children.isEmpty(); e = &e->children.last())
            ++depth;
        QVERIFY(depth < 100);
    }

    void decodesPagesByTheirCharset_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("windows-1252 declared")
            << QByteArray("<meta charset=windows-1252>Gr\xfc\xdf" "e") << "<meta charset=windows-1252>Grüße";
        QTest::newRow("utf-8 undeclared") << QByteArray("Gr\xc3\xbc\xc3\x9f" "e") << "Grüße";
        QTest::newRow("ansi undeclared") << QByteArray("Gr\xfc\xdf" "e") << "Grüße";
        QTest::newRow("unknown charset name")
            << QByteArray("<meta charset=klingon>ok") << "<meta charset=klingon>ok";
    }

    void decodesPagesByTheirCharset()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(HtmlText::DecodeHtml(bytes), expected);
    }

    void topicUrls_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "index.htm" << "chm:/index.htm";
        QTest::newRow("absolute") << "/sub/page2.htm" << "chm:/sub/page2.htm";
        QTest::newRow("anchor") << "sub/page2.htm#top" << "chm:/sub/page2.htm#top";
        QTest::newRow("ms-its") << "ms-its:help.chm::/sub/page2.htm" << "chm:/sub/page2.htm";
        QTest::newRow("MSITStore") << "mk:@MSITStore:C:\\x\\help.chm::/a b.htm" << "chm:/a b.htm";
    }

    void topicUrls()
    {
        QFETCH(QString, link);
        QFETCH(QString, expected);
        QCOMPARE(ChmBrowser::TopicUrl(link).toString(QUrl::FullyDecoded), expected);
    }

    void notAHelpFileIsRefused()
    {
        TestInstall install;
        install.writeText("broken.chm", "this is not compiled help");
        QVERIFY(!ChmArchive(install.file("broken.chm")).isOpen());
        QVERIFY(!ChmArchive(install.file("missing.chm")).isOpen());
        QVERIFY(!HelpViewer::Open(install.file("broken.chm")));
    }

    void readsACompiledHelpFile()
    {
        TestInstall install;
        const QString chm = compileHelp(install);
        if (chm.isEmpty())
            QSKIP("chmcmd (fp-utils) is not installed");
        QVERIFY(QFileInfo(chm).size() > 0);
        ChmArchive archive(chm);
        QVERIFY(archive.isOpen());
        QCOMPARE(archive.contentsFile(), QString("/toc.hhc"));
        QCOMPARE(archive.defaultTopic(), QString("/index.htm"));
        QCOMPARE(archive.title(), QString("Karvenna Hilfe"));
        QVERIFY(archive.files().contains("/sub/page2.htm"));
        QVERIFY(archive.read("/SUB/Page2.htm").has_value());
        QVERIFY(!archive.read("/nothing.htm").has_value());
        QImage dot;
        QVERIFY(dot.loadFromData(*archive.read("/pics/dot.png")));
        QCOMPARE(dot.size(), QSize(24, 24));
    }

    void viewerShowsContentsPagesPicturesAndFollowsLinks()
    {
        TestInstall install;
        const QString chm = compileHelp(install);
        if (chm.isEmpty())
            QSKIP("chmcmd (fp-utils) is not installed");
        QVERIFY(QFileInfo(chm).size() > 0);
        auto archive = std::make_shared<ChmArchive>(chm);
        HelpViewer viewer(archive);
        viewer.show();
        QCOMPARE(viewer.windowTitle(), QString("Karvenna Hilfe"));
        QCOMPARE(viewer.contents()->topLevelItemCount(), 2);
        QCOMPARE(viewer.contents()->topLevelItem(1)->text(0), QString("Karten & Orte"));
        QCOMPARE(viewer.contents()->topLevelItem(1)->child(0)->text(0), QString("Caldora"));

        ChmBrowser* browser = viewer.browser();
        QCOMPARE(browser->source().toString(), QString("chm:/index.htm"));
        QVERIFY(browser->toPlainText().contains("Grüße"));
        const QVariant picture = browser->document()->resource(QTextDocument::ImageResource,
                                                               QUrl("pics/dot.png"));
        QVERIFY(picture.isValid());

        emit browser->anchorClicked(QUrl("sub/page2.htm"));
        QCOMPARE(browser->source().toString(), QString("chm:/sub/page2.htm"));
        QVERIFY(browser->toPlainText().contains("Caldora"));
        QVERIFY(browser->loadResource(QTextDocument::ImageResource, QUrl("../pics/dot.png")).isValid());

        emit viewer.contents()->itemClicked(viewer.contents()->topLevelItem(0), 0);
        QCOMPARE(browser->source().toString(), QString("chm:/index.htm"));
    }

    void linksOutsideTheDocumentGoToTheDesktopThroughTheShell()
    {
        TestInstall install;
        const auto services = RecordingServices();
        install.writeText("readme.html", "<html><body><a href=\"Karte.HTML\">Karte</a></body></html>");
        install.writeText("karte.html", "<html><head><title>Die Karte</title></head></html>");
        HtmlViewer page(services->shell.get());
        page.showPage(install.file("README.HTML"));
        QVERIFY(page.toPlainText().contains("Karte"));
        // A local page named in another case opens inside; addresses go out.
        emit page.anchorClicked(QUrl("Karte.HTML"));
        QCOMPARE(page.windowTitle(), QString("Die Karte"));
        emit page.anchorClicked(QUrl("https://thornvale.example/forum"));
        emit page.anchorClicked(QUrl("mailto:karten@thornvale.example"));

        const QString chm = compileHelp(install);
        if (!chm.isEmpty()) {
            HelpViewer help(std::make_shared<ChmArchive>(chm), services->shell.get());
            emit help.browser()->anchorClicked(QUrl("http://thornvale.example/"));
            QCOMPARE(help.browser()->source().toString(), QString("chm:/index.htm"));
        }
        QStringList targets;
        for (const QJsonValue& open : services->record.shell())
            targets << open.toObject().value("target").toString();
        QStringList expected{"https://thornvale.example/forum", "mailto:karten@thornvale.example"};
        if (!chm.isEmpty())
            expected << "http://thornvale.example/";
        QCOMPARE(targets, expected);
    }

    void viewerWindowsCloseWithEscOrCtrlWAndKeepTheirSize_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Ctrl+W") << QKeySequence("Ctrl+W");
    }
    void viewerWindowsCloseWithEscOrCtrlWAndKeepTheirSize()
    {
        QFETCH(QKeySequence, keys);
        TestInstall install;
        install.writeText("readme.html", "<html><body>Hallo</body></html>");
        UserConfig user(install.file("user/karvenna.conf"));
        const auto services = RecordingServices();

        QPointer<HtmlViewer> first = HtmlViewer::Open(install.file("readme.html"), *services->shell, &user);
        // Nothing kept yet: the default, as far as the screen allows.
        const QSize fallback = QSize(820, 620).boundedTo(first->screen()->availableSize());
        QCOMPARE(first->size(), fallback);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        first->resize(640, 480);
        // The key works wherever the focus is in the window, the page included.
        first->setFocus();
        QTest::keySequence(first, keys);
        QTRY_VERIFY(first.isNull()); // closed and gone

        QPointer<HtmlViewer> second = HtmlViewer::Open(install.file("readme.html"), *services->shell, &user);
        QCOMPARE(second->size(), QSize(640, 480));
        delete second;
        // Each kind of viewer keeps its own size; a user file that cannot be read gives the default.
        QCOMPARE(UserConfig(install.file("user/karvenna.conf")).value("viewers/help"), QVariant());
        QPointer<HtmlViewer> third = HtmlViewer::Open(install.file("readme.html"), *services->shell, nullptr);
        QCOMPARE(third->size(), fallback);
        delete third;
    }

    void htmlWindowShowsThePageWithItsPictures()
    {
        TestInstall install;
        QImage dot(8, 8, QImage::Format_RGB32);
        dot.fill(Qt::blue);
        QDir().mkpath(install.file("pics"));
        dot.save(install.file("pics/dot.png"));
        install.writeBytes("readme.html", "<html><head><title>Lies mich</title></head><body>"
                                          "<p>K\xe4se</p><img src=\"pics/dot.png\"></body></html>");
        HtmlViewer viewer;
        viewer.showPage(install.file("readme.html"));
        QCOMPARE(viewer.windowTitle(), QString("Lies mich"));
        QVERIFY(viewer.toPlainText().contains("Käse"));
        QVERIFY(viewer.document()->resource(QTextDocument::ImageResource, QUrl("pics/dot.png")).isValid());
    }

    void htmlWindowForAMissingPageSaysSo()
    {
        HtmlViewer viewer;
        viewer.showPage("/nonexistent/readme.html");
        QVERIFY(viewer.toPlainText().contains("/nonexistent/readme.html"));
        QCOMPARE(viewer.windowTitle(), QString("readme.html"));
    }
};

QTEST_MAIN(TestHelpViewer)
#include "test_helpviewer.moc"
