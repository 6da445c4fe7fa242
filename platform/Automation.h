#pragma once
// What batch mode records instead of doing: messages, dialogs, shell opens, process starts,
// sounds, prints and refused actions. Interactive runs leave it empty except for prints.
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class Automation
{
public:
    static Automation& instance();

    bool batch() const { return m_batch; }
    void setBatch(bool on) { m_batch = on; }

    // icon: "stop", "information" or "critical"
    void recordMessage(const QString& icon, const QString& caption, const QString& text);
    void recordDialog(const QJsonObject& dialog);
    void recordShellOpen(const QString& target, const QString& verb, const QString& directory);
    void recordShellRun(const QString& commandLine);
    void recordSound(const QString& file, int flags);
    void recordPrinted(const QString& printer, const QString& orientation, const QString& file);
    void recordError(const QString& error);

    const QJsonArray& messages() const { return m_messages; }
    const QJsonArray& dialogs() const { return m_dialogs; }
    const QJsonArray& shell() const { return m_shell; }
    const QJsonArray& sounds() const { return m_sounds; }
    const QJsonArray& printed() const { return m_printed; }
    const QJsonArray& errors() const { return m_errors; }

    // The PDF printer's file in batch mode (--pdf-file).
    QString pdfFile;

    void reset();

private:
    bool m_batch = false;
    QJsonArray m_messages, m_dialogs, m_shell, m_sounds, m_printed, m_errors;
};
