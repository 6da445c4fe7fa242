#pragma once
// The extras documents, the help file and the read-me page, in German and English.
#include <QString>
#include <QVector>

#include "Catalog.h"

struct DocPage
{
    QString file;   // "index.html", ...
    QString title;
    QString body;   // HTML inside <body>
};

struct Document
{
    QString file;   // "perklist.chm", "faq.html", ...
    QString title;
    QVector<DocPage> pages;
};

// The eleven extras documents and the help file of one language.
QVector<Document> ExtrasDocuments(const Catalog& cat, bool english);
Document HelpDocument(bool english);
QString ReadMePage(bool english);

// Full HTML page text.
QString HtmlPage(const QString& title, const QString& body, bool english);

// Writes .html documents directly; compiles .chm documents with chmcmd unless htmlOnly.
bool WriteDocument(const Document& doc, const QString& folder, bool english, bool htmlOnly);
