#include "Documents.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "TextFiles.h"

QString HtmlPage(const QString& title, const QString& body, bool english)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"") + (english ? "en" : "de")
           + "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + Html(title) + "</title>\n"
           + "<style>\nbody { font-family: Georgia, serif; background: #f3ead3; color: #3e2c1a; margin: 1.5em; }\n"
             "h1 { color: #822; border-bottom: 2px solid #b9a27a; }\nh2 { color: #5a3b1c; }\n"
             "table { border-collapse: collapse; margin-bottom: 1em; }\n"
             "td, th { border: 1px solid #b9a27a; padding: 2px 8px; vertical-align: top; }\n"
             "th { background: #e2d2a8; }\n.note { font-style: italic; color: #6e5436; }\n</style>\n</head>\n<body>\n"
           + body + "\n</body>\n</html>\n";
}

// chmcmd stamps the build time into the header and into the #SYSTEM file; a fixed stamp
// keeps regenerated files identical to the committed ones.
static void FixTimestamps(QByteArray& chm)
{
    if (chm.size() < 0x20 || !chm.startsWith("ITSF"))
        return;
    const char high = chm[0x11];
    for (int i = 0; i < 4; ++i)
        chm[0x10 + i] = "\x00\x91\x00\x00"[i];
    const QByteArray entry("\x0a\x00\x04\x00", 4);
    for (qsizetype at = chm.indexOf(entry); at >= 0 && at + 8 <= chm.size(); at = chm.indexOf(entry, at + 1)) {
        if (chm[at + 6] == high && chm[at + 7] == 0) {
            for (int i = 0; i < 4; ++i)
                chm[at + 4 + i] = "\x00\x00\x91\x00"[i];
            break;
        }
    }
}

static bool CompileChm(const Document& doc, const QString& target, bool english)
{
    QTemporaryDir work;
    if (!work.isValid())
        return false;
    QString toc = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML><HEAD></HEAD><BODY>\n"
                  "<OBJECT type=\"text/site properties\"></OBJECT>\n<UL>\n";
    QString files;
    for (const DocPage& page : doc.pages) {
        WriteTextFile(work.filePath(page.file), HtmlPage(page.title, page.body, english));
        toc += "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + Html(page.title)
               + "\"><param name=\"Local\" value=\"" + page.file + "\"></OBJECT>\n";
        files += page.file + '\n';
    }
    toc += "</UL>\n</BODY></HTML>\n";
    WriteTextFile(work.filePath("toc.hhc"), toc);
    const QString project = "[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=out.chm\nContents file=toc.hhc\n"
                            "Default topic=" + doc.pages.first().file + "\nDisplay compile progress=No\n"
                            "Language=" + (english ? "0x409 English (United States)" : "0x407 German (Germany)")
                            + "\nTitle=" + doc.title + "\n\n[FILES]\n" + files;
    WriteTextFile(work.filePath("project.hhp"), project);
    QProcess chmcmd;
    chmcmd.setWorkingDirectory(work.path());
    chmcmd.start("chmcmd", {"--no-html-scan", "project.hhp"});
    if (!chmcmd.waitForFinished(60000) || chmcmd.exitCode() != 0 || !QFile::exists(work.filePath("out.chm"))) {
        QTextStream(stderr) << "chmcmd failed for " << doc.file << " (is fp-utils installed?)\n";
        return false;
    }
    QFile compiled(work.filePath("out.chm"));
    if (!compiled.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = compiled.readAll();
    FixTimestamps(bytes);
    return WriteBinaryFile(target, bytes);
}

bool WriteDocument(const Document& doc, const QString& folder, bool english, bool htmlOnly)
{
    const QString target = folder + '/' + doc.file;
    if (doc.file.endsWith(QLatin1String(".html")))
        return WriteTextFile(target, HtmlPage(doc.title, doc.pages.first().body, english));
    if (htmlOnly)
        return true;
    return CompileChm(doc, target, english);
}
