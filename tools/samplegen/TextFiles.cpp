#include "TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool WriteBinaryFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

bool WriteTextFile(const QString& path, const QString& text)
{
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return WriteBinaryFile(path, crlf.toUtf8());
}

QString IniText(const QVector<Section>& sections, const QString& comment)
{
    QString out;
    if (!comment.isEmpty())
        for (const QString& line : comment.split('\n'))
            out += "; " + line + '\n';
    for (const Section& s : sections) {
        if (!out.isEmpty())
            out += '\n';
        out += '[' + s.name + "]\n";
        for (const Entry& e : s.entries)
            out += e.key + '=' + e.value + '\n';
    }
    return out;
}

QString Html(const QString& text)
{
    return text.toHtmlEscaped();
}
