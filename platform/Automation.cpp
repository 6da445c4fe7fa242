#include "platform/Automation.h"

Automation& Automation::instance()
{
    static Automation automation;
    return automation;
}

void Automation::recordMessage(const QString& icon, const QString& caption, const QString& text)
{
    m_messages.append(QJsonObject{{"icon", icon}, {"caption", caption}, {"text", text}});
}

void Automation::recordDialog(const QJsonObject& dialog) { m_dialogs.append(dialog); }

void Automation::recordShellOpen(const QString& target, const QString& verb,
                                 const QString& directory)
{
    m_shell.append(QJsonObject{
        {"kind", "open"}, {"target", target}, {"verb", verb}, {"directory", directory}});
}

void Automation::recordShellRun(const QString& commandLine)
{
    m_shell.append(QJsonObject{{"kind", "run"}, {"commandLine", commandLine}});
}

void Automation::recordSound(const QString& file, int flags)
{
    m_sounds.append(QJsonObject{{"file", file}, {"flags", flags}});
}

void Automation::recordPrinted(const QString& printer, const QString& orientation,
                               const QString& file)
{
    m_printed.append(
        QJsonObject{{"printer", printer}, {"orientation", orientation}, {"file", file}});
}

void Automation::recordError(const QString& error) { m_errors.append(error); }

void Automation::reset()
{
    *this = Automation();
}
