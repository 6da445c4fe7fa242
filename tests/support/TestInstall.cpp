#include "support/TestInstall.h"

#include "modules/LOCAL.h"
#include "modules/installation/Installation.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>

TestInstall::TestInstall() = default;

const QStringList& TestInstall::mapIds()
{
    return Installation::MapIds();
}

void TestInstall::useLanguageFile(const QString& relative, const QString& text) const
{
    writeText(relative, text);
    LanguageState& s = LOCAL::State();
    s = LanguageState();
    s.LanguageName = QStringLiteral("English");
    s.LanguageStem = QStringLiteral("English");
    s.LanguageFile = file(relative);
    LOCAL::CacheTranslationTable();
}

void TestInstall::writeBytes(const QString& relative, const QByteArray& bytes) const
{
    const QString full = file(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void TestInstall::writeText(const QString& relative, const QString& text, bool crlf) const
{
    QString t = text;
    if (crlf)
        t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    writeBytes(relative, t.toUtf8());
}

void TestInstall::writePicture(const QString& relative, int width, int height) const
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 180, 140));
    const QString full = file(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    image.save(full, "JPG");
}

void TestInstall::writeMinimalInstallation(const QString& caldoraData, const QString& settings) const
{
    for (const QString& id : mapIds()) {
        const QString data = id == QLatin1String("caldora") && !caldoraData.isEmpty()
                                 ? caldoraData
                                 : QStringLiteral("[places]\nOrt=10,10\n");
        writeText(id + ".data", data);
        writePicture(id + ".jpg");
    }
    if (!settings.isEmpty())
        writeText("karvenna.ini", settings);
}

QJsonObject BatchResult::dump() const
{
    return QJsonDocument::fromJson(dumpBytes).object();
}

BatchResult RunKarvenna(const QStringList& arguments, const QStringList& extraEnvironment,
                        int timeoutMs)
{
    BatchResult result;
    QTemporaryFile dumpFile;
    dumpFile.open();
    const QString dumpPath = dumpFile.fileName();
    dumpFile.close();

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    for (const QString& kv : extraEnvironment) {
        const int eq = kv.indexOf('=');
        env.insert(kv.left(eq), kv.mid(eq + 1));
    }
    process.setProcessEnvironment(env);
    QStringList args = arguments;
    if (!args.contains("--dump"))
        args << "--dump" << dumpPath;
    process.start(QStringLiteral(KARVENNA_BIN), args);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.exitCode = -2;
    } else {
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -3;
    }
    result.stdErr = process.readAllStandardError();
    QFile f(args.at(args.indexOf("--dump") + 1));
    if (f.open(QIODevice::ReadOnly))
        result.dumpBytes = f.readAll();
    return result;
}
