#pragma once
// Small installations written by tests into temporary folders.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TestInstall
{
public:
    TestInstall();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.path() + "/" + relative; }

    // Writes bytes as they are (folders are created).
    void writeBytes(const QString& relative, const QByteArray& bytes) const;
    // Writes UTF-8 text; "\n" becomes "\r\n" when crlf is set.
    void writeText(const QString& relative, const QString& text, bool crlf = true) const;
    // A complete minimal installation: five data files with the given extra text for caldora,
    // five small JPEG pictures (1024 x 768 unless given), karvenna.ini only if settings given.
    void writeMinimalInstallation(const QString& caldoraData = QString(),
                                  const QString& settings = QString()) const;
    // A JPEG picture of the given size.
    void writePicture(const QString& relative, int width = 1024, int height = 768) const;

    static const QStringList& mapIds();

    // Writes a language file at relative and makes it the interface language ("English"), its
    // entity names loaded.
    void useLanguageFile(const QString& relative, const QString& text) const;

private:
    QTemporaryDir m_dir;
};

// Runs the karvenna program in batch mode and returns the parsed dump.
struct BatchResult
{
    int exitCode = -1;
    QByteArray stdErr;
    QByteArray dumpBytes;
    class QJsonObject dump() const;
};
BatchResult RunKarvenna(const QStringList& arguments, const QStringList& extraEnvironment = {},
                        int timeoutMs = 60000);
