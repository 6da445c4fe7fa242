#pragma once
// Findings of the installation check, printed one a line as "file:line: severity: message".
#include <QList>
#include <QString>

class QTextStream;

namespace Lint {

enum class Severity { Error, Warning, Info };

struct Finding
{
    QString file; // full path
    int line = 0; // 1-based; 0 when the finding is about the whole file
    Severity severity = Severity::Error;
    QString message;
};

class Report
{
public:
    void add(const QString& file, int line, Severity severity, const QString& message);
    void error(const QString& file, int line, const QString& message) { add(file, line, Severity::Error, message); }
    void warning(const QString& file, int line, const QString& message) { add(file, line, Severity::Warning, message); }
    void info(const QString& file, int line, const QString& message) { add(file, line, Severity::Info, message); }

    const QList<Finding>& findings() const { return m_findings; }
    int count(Severity severity) const;

    // Paths inside home are printed relative to it, so that findings read the same everywhere.
    void print(QTextStream& out, const QString& home) const;
    static QString format(const Finding& finding, const QString& home);

private:
    QList<Finding> m_findings;
};

} // namespace Lint
