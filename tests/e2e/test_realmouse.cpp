// The program in a real X window on a virtual screen, driven with xdotool as a person's mouse
// and keyboard would: the balloon of a city, a double click that opens its information window,
// a pick from the list and the info button, a marker marked found through its right-click
// menu. Skipped where Xvfb or xdotool are not installed.
#include "support/TestInstall.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kWindowWait = 20000; // ms for a window to come or go, on a loaded machine too
const QString kMainTitle = QStringLiteral("^Karvenna .");
const QString kRegistry = QStringLiteral(
    "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");

QJsonObject readDump(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// The middle of a control of a dump, in pixels of the map area.
QPoint centreOf(const QJsonObject& control)
{
    return QPoint((control["left"].toInt() + control["width"].toInt() / 2) / 15,
                  (control["top"].toInt() + control["height"].toInt() / 2) / 15);
}

} // namespace

class TestRealMouse : public QObject
{
    Q_OBJECT

private:
    QProcess m_xvfb;
    QString m_display;
    QTemporaryDir m_work;
    QProcess m_program;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("KARVENNA_REGISTRY", m_work.filePath("registry.ini"));
        return env;
    }

    QString xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start("xdotool", arguments);
        tool.waitForFinished(5000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    // The visible window whose title matches pattern; empty when none came in time.
    QString waitForWindow(const QString& pattern, int timeoutMs = kWindowWait)
    {
        QDeadlineTimer deadline(timeoutMs);
        do {
            const QString found = xdotool({"search", "--onlyvisible", "--name", pattern});
            if (!found.isEmpty())
                return found.section('\n', 0, 0);
            QTest::qWait(100);
        } while (!deadline.hasExpired());
        return QString();
    }

    bool waitUntilGone(const QString& pattern)
    {
        QDeadlineTimer deadline(kWindowWait);
        while (!xdotool({"search", "--onlyvisible", "--name", pattern}).isEmpty()) {
            if (deadline.hasExpired())
                return false;
            QTest::qWait(100);
        }
        return true;
    }

    // Where a pixel of the map view lies in the main window: below the menu bar.
    QPoint inWindow(const QString& window, const QPoint& pixel, int mapHeight)
    {
        const int height = geometryOf(window)["HEIGHT"];
        return pixel + QPoint(0, height - mapHeight);
    }

    QHash<QString, int> geometryOf(const QString& window)
    {
        QHash<QString, int> values;
        for (const QString& line : xdotool({"getwindowgeometry", "--shell", window}).split('\n'))
            values.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
        return values;
    }

    void moveTo(const QString& window, const QPoint& at)
    {
        xdotool({"mousemove", "--window", window, QString::number(at.x()), QString::number(at.y())});
    }

    // The same scene in batch mode: where everything is.
    QJsonObject layout(const QStringList& actions)
    {
        const BatchResult r = RunKarvenna(QStringList{"--home", KARVENNA_SAMPLE_DIR, "--batch"} + actions,
                                          {"KARVENNA_REGISTRY=" + m_work.filePath("registry.ini")});
        return r.dump();
    }

    void startProgram(const QStringList& actions)
    {
        m_program.setProcessEnvironment(environment());
        m_program.start(KARVENNA_BIN, QStringList{"--home", KARVENNA_SAMPLE_DIR} + actions
                                          + QStringList{"--dump", m_work.filePath("real.json")});
        QVERIFY(m_program.waitForStarted());
    }

    // Closes the main window with its shortcut and reads what the program dumped.
    QJsonObject quitProgram(const QString& window)
    {
        xdotool({"windowfocus", "--sync", window});
        xdotool({"key", "ctrl+w"});
        if (!m_program.waitForFinished(kWindowWait))
            return {};
        return readDump(m_work.filePath("real.json"));
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty()
            || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("Xvfb or xdotool is not installed");
        QVERIFY(m_work.isValid());
        QFile registry(m_work.filePath("registry.ini"));
        QVERIFY(registry.open(QIODevice::WriteOnly));
        registry.write(kRegistry.toUtf8());
        registry.close();
        // The server picks a free display and names it on the descriptor given.
        // -noreset: the server would otherwise reset when the last program closes, and a
        // program started in that moment cannot connect.
        m_xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                              "-noreset"});
        QVERIFY(m_xvfb.waitForStarted());
        QDeadlineTimer deadline(kWindowWait);
        while (!m_xvfb.canReadLine() && !deadline.hasExpired())
            m_xvfb.waitForReadyRead(100);
        const QString number = QString::fromLatin1(m_xvfb.readLine()).trimmed();
        QVERIFY2(!number.isEmpty(), "Xvfb named no display");
        m_display = ":" + number;
    }

    void cleanupTestCase()
    {
        m_xvfb.terminate();
        m_xvfb.waitForFinished(3000);
    }

    void cleanup()
    {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished(3000);
        }
    }

    void cityBalloonAndDoubleClickOpenItsInformation()
    {
        const QJsonObject scene = layout({"--open", "miCaldoraCities"});
        const QJsonObject city = scene["controls"]["DOT"][3].toObject();
        const QString name = city["desc"].toString();
        QVERIFY(city["visible"].toBool());
        const int mapHeight = scene["controls"]["imgMap"]["height"].toInt() / 15;

        startProgram({"--open", "miCaldoraCities"});
        const QString main = waitForWindow(kMainTitle);
        QVERIFY(!main.isEmpty());
        const QPoint at = inWindow(main, centreOf(city), mapHeight);
        // The balloon (the program's other window) comes with its stem on the marker's lower
        // edge, just below the pointer. The pointer may have come before the cities were
        // shown: a person would move it again.
        QString balloon;
        for (int attempt = 0; attempt < 10 && balloon.isEmpty(); ++attempt) {
            moveTo(main, at + QPoint(attempt % 2, 0));
            QDeadlineTimer deadline(800);
            while (balloon.isEmpty() && !deadline.hasExpired()) {
                QTest::qWait(100);
                const QStringList shown =
                    xdotool({"search", "--onlyvisible", "--class", "karvenna"}).split('\n');
                for (const QString& window : shown)
                    if (!window.isEmpty() && window != main)
                        balloon = window;
            }
        }
        QVERIFY2(!balloon.isEmpty(), "no balloon over the city");
        const int balloonTop = geometryOf(balloon)["Y"] - geometryOf(main)["Y"];
        QVERIFY2(balloonTop > at.y() && balloonTop <= at.y() + 8, qPrintable(QString::number(balloonTop)));

        xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
        const QString info = waitForWindow("^" + QRegularExpression::escape(name) + "$");
        QVERIFY2(!info.isEmpty(), "no information window after the double click");
        xdotool({"windowfocus", "--sync", info});
        xdotool({"key", "Escape"});
        QVERIFY(waitUntilGone("^" + QRegularExpression::escape(name) + "$"));

        QCOMPARE(quitProgram(main)["infoSubject"].toString(), name);
    }

    void listPickAndInfoButton()
    {
        const QJsonObject scene = layout({"--open", "miCaldoraNPCs", "--pick-index", "2"});
        const QJsonObject controls = scene["controls"].toObject();
        const QString picked = controls["cboItems"]["text"].toString();
        QVERIFY(!picked.trimmed().isEmpty());
        const int mapHeight = controls["imgMap"]["height"].toInt() / 15;

        startProgram({"--open", "miCaldoraNPCs"});
        const QString main = waitForWindow(kMainTitle);
        QVERIFY(!main.isEmpty());
        // The list opens under the pointer; the keys walk to the third line and take it.
        moveTo(main, inWindow(main, centreOf(controls["cboItems"].toObject()), mapHeight));
        xdotool({"click", "1"});
        QTest::qWait(300);
        xdotool({"key", "Down", "Down", "Return"});
        QTest::qWait(300);
        moveTo(main, inWindow(main, centreOf(controls["btnInfo"].toObject()), mapHeight));
        xdotool({"click", "1"});
        const QString info = waitForWindow("^" + QRegularExpression::escape(picked) + "$");
        QVERIFY2(!info.isEmpty(), "no information window after the info button");
        xdotool({"windowfocus", "--sync", info});
        xdotool({"key", "Escape"});
        QVERIFY(waitUntilGone("^" + QRegularExpression::escape(picked) + "$"));

        const QJsonObject dump = quitProgram(main);
        QCOMPARE(dump["controls"]["cboItems"]["text"].toString(), picked);
        QCOMPARE(dump["infoSubject"].toString(), picked);
        QVERIFY(dump["controls"]["ITEM"]["visible"].toBool());
    }

    void rightClickMarksFoundAndHideFoundTakesItOff()
    {
        // A player who has found nothing yet.
        const QString data = qEnvironmentVariable("XDG_DATA_HOME") + "/karvenna";
        for (const QString& f : QDir(data).entryList({"progress.sqlite*"}))
            QFile::remove(data + "/" + f);
        const QJsonObject scene = layout({"--open", "miCaldoraHunters", "--hide-found", "off"});
        const QJsonObject hunter = scene["controls"]["DOT"][5].toObject();
        QVERIFY(hunter["visible"].toBool() && !hunter["found"].toBool());
        const int mapHeight = scene["controls"]["imgMap"]["height"].toInt() / 15;

        startProgram({"--open", "miCaldoraHunters"});
        const QString main = waitForWindow(kMainTitle);
        QVERIFY(!main.isEmpty());
        QTest::qWait(300);
        moveTo(main, inWindow(main, centreOf(hunter), mapHeight));
        QTest::qWait(200);
        xdotool({"click", "3"});
        QTest::qWait(500);
        xdotool({"key", "g"}); // the marker menu's "&Gefunden"
        QTest::qWait(300);
        xdotool({"windowfocus", "--sync", main});
        xdotool({"key", "alt+r"}); // "Fo&rtschritt", then "Gefundenes &ausblenden"
        QTest::qWait(400);
        xdotool({"key", "a"});
        QTest::qWait(300);
        QJsonValue dump = quitProgram(main);
        QJsonValue dot = dump["controls"]["DOT"][5];
        QCOMPARE(dot["desc"].toString(), hunter["desc"].toString());
        QVERIFY(dot["found"].toBool() && !dot["visible"].toBool());
        QVERIFY(dump["progress"]["hideFound"].toBool());

        // The next start remembers both; the progress menu brings him back, greyed.
        startProgram({"--open", "miCaldoraHunters"});
        const QString again = waitForWindow(kMainTitle);
        QVERIFY(!again.isEmpty());
        QTest::qWait(300);
        xdotool({"windowfocus", "--sync", again});
        xdotool({"key", "alt+r"});
        QTest::qWait(400);
        xdotool({"key", "a"});
        QTest::qWait(300);
        dump = quitProgram(again);
        dot = dump["controls"]["DOT"][5].toObject();
        QVERIFY(dot["found"].toBool() && dot["visible"].toBool());
        QVERIFY(!dump["progress"]["hideFound"].toBool());
    }
};

QTEST_GUILESS_MAIN(TestRealMouse)
#include "test_realmouse.moc"
