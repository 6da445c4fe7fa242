#pragma once
// What a batch run records instead of doing: messages, dialogs, shell opens, process starts,
// sounds, prints and refused actions, in the order they happened. The dump writes it out.
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class BatchRecord
{
public:
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

private:
    QJsonArray m_messages, m_dialogs, m_shell, m_sounds, m_printed, m_errors;
};
