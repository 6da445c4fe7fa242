#include "platform/BatchRecord.h"

void BatchRecord::recordMessage(const QString& icon, const QString& caption, const QString& text)
{
    m_messages.append(QJsonObject{{"icon", icon}, {"caption", caption}, {"text", text}});
}

void BatchRecord::recordDialog(const QJsonObject& dialog) { m_dialogs.append(dialog); }

void BatchRecord::recordShellOpen(const QString& target, const QString& verb,
                                 const QString& directory)
{
    m_shell.append(QJsonObject{
        {"kind", "open"}, {"target", target}, {"verb", verb}, {"directory", directory}});
}

void BatchRecord::recordShellRun(const QString& commandLine)
{
    m_shell.append(QJsonObject{{"kind", "run"}, {"commandLine", commandLine}});
}

void BatchRecord::recordSound(const QString& file, int flags)
{
    m_sounds.append(QJsonObject{{"file", file}, {"flags", flags}});
}

void BatchRecord::recordPrinted(const QString& printer, const QString& orientation,
                               const QString& file)
{
    m_printed.append(
        QJsonObject{{"printer", printer}, {"orientation", orientation}, {"file", file}});
}

void BatchRecord::recordError(const QString& error) { m_errors.append(error); }

