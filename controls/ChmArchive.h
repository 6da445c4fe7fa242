#pragma once
// Read access to a compiled HTML help file (.chm) through chmlib.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

struct chmFile;

class ChmArchive
{
public:
    explicit ChmArchive(const QString& path);
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    QString path() const { return m_path; }

    // The object at an archive path ("/topic.htm"; case does not matter); nothing if absent.
    std::optional<QByteArray> read(const QString& objectPath) const;
    // Paths of the ordinary files (no "#" or "$" system objects), in archive order.
    QStringList files() const;

    // From the archive's system record, with fallbacks when the compiler left them out.
    QString title() const { return m_title; }
    QString contentsFile() const { return m_contentsFile; }   // "/toc.hhc" or ""
    QString defaultTopic() const { return m_defaultTopic; }   // "/index.htm" or ""

private:
    void readSystemRecord();

    QString m_path;
    chmFile* m_file = nullptr;
    QString m_title, m_contentsFile, m_defaultTopic;
};
