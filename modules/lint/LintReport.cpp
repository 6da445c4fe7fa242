#include "modules/lint/LintReport.h"

#include <QDir>
#include <QTextStream>

namespace Lint {

void Report::add(const QString& file, int line, Severity severity, const QString& message)
{
    m_findings.append({file, line, severity, message});
}

int Report::count(Severity severity) const
{
    int n = 0;
    for (const Finding& f : m_findings)
        n += f.severity == severity ? 1 : 0;
    return n;
}

QString Report::format(const Finding& finding, const QString& home)
{
    QString file = finding.file;
    const QString prefix = QDir::cleanPath(home) + QLatin1Char('/');
    if (file.startsWith(prefix))
        file = file.mid(prefix.size());
    static const char* const names[] = {"error", "warning", "info"};
    return QStringLiteral("%1:%2: %3: %4")
        .arg(file)
        .arg(finding.line)
        .arg(QLatin1String(names[int(finding.severity)]), finding.message);
}

void Report::print(QTextStream& out, const QString& home) const
{
    for (const Finding& f : m_findings)
        out << format(f, home) << '\n';
}

} // namespace Lint
