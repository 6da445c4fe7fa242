// The parsed-file cache: every call must see the file as it is on disk now, while a file read
// many times in a row is parsed once; huge and odd files must stay fast.
#include "modules/IniCache.h"
#include "modules/IniOps.h"
#include "support/TestInstall.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QThread>

using namespace IniOps;

namespace {

// Rewrites the file in place (same inode), as an editor that truncates and writes does.
void rewrite(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QDateTime modified(const QString& path)
{
    QFile f(path);
    return f.fileTime(QFileDevice::FileModificationTime);
}

void setModified(const QString& path, const QDateTime& when)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

class TestIniCache : public QObject
{
    Q_OBJECT

private:
    TestInstall m_install;

private slots:
    void init() { IniCache::SetBudget(64ll * 1024 * 1024); }

    void manyLookupsParseOnce();
    void fiveMapsSearchParsesEachOnce();
    void sameSizeLaterTime();
    void sameTimeOtherSize();
    void sameSizeSameTime();
    void replacedByAnotherFile();
    void deletedAndRecreated();
    void writeIsSeenAtOnce();
    void boundedBudgetStillCorrect();
    void hugeLine();
    void nulBytes();
    void manySections();
};

void TestIniCache::manyLookupsParseOnce()
{
    QByteArray data = "[caves]\r\n";
    for (int i = 0; i < 81; ++i)
        data +=
            QByteArray("Höhle ") + QByteArray::number(i) + '=' + QByteArray::number(i) + ",1\r\n";
    m_install.writeBytes("caldora.data", data);
    const QString file = m_install.file("caldora.data");
    const qint64 before = IniCache::ParseCount();
    const QStringList keys = GetIniKeys(file, "caves");
    QCOMPARE(keys.size(), 81);
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(ReadIni(file, "caves", keys[i], ""), QString::number(i) + ",1");
    QCOMPARE(GetIniSections(file), QStringList{"caves"});
    QCOMPARE(IniCache::ParseCount() - before, 1);
}

void TestIniCache::fiveMapsSearchParsesEachOnce()
{
    for (const QString& id : TestInstall::mapIds()) {
        QByteArray data;
        for (int s = 0; s < 40; ++s) {
            data += "[section" + QByteArray::number(s) + "]\r\n";
            for (int k = 0; k < 20; ++k)
                data += "entity " + QByteArray::number(k) + "=1,2\r\n";
        }
        m_install.writeBytes("maps/" + id + ".data", data);
    }
    const qint64 before = IniCache::ParseCount();
    int records = 0;
    for (const QString& id : TestInstall::mapIds()) {
        const QString file = m_install.file("maps/" + id + ".data");
        for (const QString& section : GetIniSections(file)) {
            for (const QString& key : GetIniKeys(file, section))
                records += ReadIni(file, section, key, "") == u"1,2";
        }
    }
    QCOMPARE(records, 5 * 40 * 20);
    QCOMPARE(IniCache::ParseCount() - before, 5);
}

void TestIniCache::sameSizeLaterTime()
{
    m_install.writeBytes("a.ini", "[s]\r\nk=1\r\n");
    const QString file = m_install.file("a.ini");
    QCOMPARE(ReadIni(file, "s", "k", ""), QString("1"));
    const QDateTime first = modified(file);
    rewrite(file, "[s]\r\nk=2\r\n");
    setModified(file, first.addSecs(1));
    QCOMPARE(ReadIni(file, "s", "k", ""), QString("2"));
}

void TestIniCache::sameTimeOtherSize()
{
    m_install.writeBytes("b.ini", "[s]\r\nk=1\r\n");
    const QString file = m_install.file("b.ini");
    QCOMPARE(ReadIni(file, "s", "k", ""), QString("1"));
    const QDateTime first = modified(file);
    rewrite(file, "[s]\r\nk=22\r\n");
    setModified(file, first);
    QCOMPARE(modified(file), first);
    QCOMPARE(ReadIni(file, "s", "k", ""), QString("22"));
    QCOMPARE(GetIniKeys(file, "s"), QStringList{"k"});
}

void TestIniCache::sameSizeSameTime()
{
    // Size and modification time can both be put back; the change time cannot.
    m_install.writeBytes("c.ini", "[s]\r\nk=1\r\n");
    const QString file = m_install.file("c.ini");
    QCOMPARE(ReadIni(file, "s", "k", ""), QString("1"));
    const QDateTime first = modified(file);
    QThread::msleep(30); // past the file system's clock tick
    rewrite(file, "[s]\r\nk=3\r\n");
    setModified(file, first);
    QCOMPARE(ReadIni(file, "s", "k", ""), QString("3"));
}

void TestIniCache::replacedByAnotherFile()
{
    m_install.writeBytes("d.ini", "[s]\r\nk=1\r\n");
    m_install.writeBytes("d2.ini", "[s]\r\nk=4\r\n");
    const QString file = m_install.file("d.ini");
    QCOMPARE(ReadIni(file, "s", "k", ""), QString("1"));
    setModified(m_install.file("d2.ini"), modified(file));
    QVERIFY(QFile::remove(file));
    QVERIFY(QFile::rename(m_install.file("d2.ini"), file));
    QCOMPARE(ReadIni(file, "s", "k", ""), QString("4"));
}

void TestIniCache::deletedAndRecreated()
{
    m_install.writeBytes("e.ini", "[s]\r\nk=1\r\n");
    const QString file = m_install.file("e.ini");
    QCOMPARE(ReadIni(file, "s", "k", ""), QString("1"));
    QVERIFY(QFile::remove(file));
    QCOMPARE(ReadIni(file, "s", "k", "gone"), QString("gone"));
    QVERIFY(GetIniSections(file).isEmpty());
    m_install.writeBytes("e.ini", "[t]\r\nk=5\r\n");
    QCOMPARE(GetIniSections(file), QStringList{"t"});
}

void TestIniCache::writeIsSeenAtOnce()
{
    m_install.writeBytes("f.ini", "[s]\r\nk=1\r\n");
    const QString file = m_install.file("f.ini");
    for (int i = 2; i < 6; ++i) {
        QCOMPARE(ReadIni(file, "s", "k", ""), QString::number(i - 1));
        WriteIni(file, "s", "k", QString::number(i));
        QCOMPARE(ReadIni(file, "s", "k", ""), QString::number(i));
        QCOMPARE(GetIniKeys(file, "s"), QStringList{"k"});
    }
}

void TestIniCache::boundedBudgetStillCorrect()
{
    m_install.writeBytes("g.ini", "[s]\r\nk=1\r\n");
    m_install.writeBytes("h.ini", "[s]\r\nk=2\r\n");
    const QString g = m_install.file("g.ini"), h = m_install.file("h.ini");
    IniCache::SetBudget(1); // nothing fits: every call reads the file
    const qint64 before = IniCache::ParseCount();
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(ReadIni(g, "s", "k", ""), QString("1"));
        QCOMPARE(ReadIni(h, "s", "k", ""), QString("2"));
    }
    QCOMPARE(IniCache::ParseCount() - before, 6);
    IniCache::SetBudget(64ll * 1024 * 1024);
    const qint64 cached = IniCache::ParseCount();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(ReadIni(g, "s", "k", ""), QString("1"));
    QCOMPARE(IniCache::ParseCount() - cached, 1);
}

void TestIniCache::hugeLine()
{
    const QByteArray big(10 * 1024 * 1024, 'x');
    m_install.writeBytes("huge.ini", "[" + big + "\r\n[s]\r\nk=" + big + "\r\nnext=1\r\n" + big);
    const QString file = m_install.file("huge.ini");
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ReadIni(file, "s", "k", "").size(), 2047);
    QCOMPARE(ReadIni(file, "s", "next", ""), QString("1"));
    const QStringList sections = GetIniSections(file);
    QCOMPARE(sections.size(), 1);
    QCOMPARE(sections[0].size(), 65535);
    QCOMPARE(GetIniKeys(file, "s"), (QStringList{"k", "next", QString::fromLatin1(big)}));
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
}

void TestIniCache::nulBytes()
{
    m_install.writeBytes("nul.ini", QByteArray("[s]\r\nx=\0\0\0\r\n\0\0\r\nk=v\r\n[\0]\r\n", 27));
    const QString file = m_install.file("nul.ini");
    QCOMPARE(ReadIni(file, "s", "k", ""), QString("v"));
    // A NUL ends a name in the list of sections, as it did in the system's buffer.
    QCOMPARE(GetIniSections(file), QStringList{"s"});
    m_install.writeBytes("nul2.ini", QByteArray("[a\0b]\r\nk=v\r\n", 12));
    QCOMPARE(GetIniSections(m_install.file("nul2.ini")), (QStringList{"a", "b"}));
    QCOMPARE(ReadIni(m_install.file("nul2.ini"), QString::fromLatin1("a\0b", 3), "k", ""),
             QString("v"));
}

void TestIniCache::manySections()
{
    QByteArray data;
    for (int i = 0; i < 100000; ++i)
        data += "[s" + QByteArray::number(i) + "]\r\nk=" + QByteArray::number(i) + "\r\n";
    m_install.writeBytes("many.ini", data);
    const QString file = m_install.file("many.ini");
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ReadIni(file, "S99999", "K", ""), QString("99999"));
    // "s0" .. "s9999" with their separators fill 58890 characters, 949 names of seven more
    // follow, and two characters of "s10949" are left.
    const QStringList names = GetIniSections(file);
    QCOMPARE(names.size(), 10950);
    QCOMPARE(names.first(), QString("s0"));
    QCOMPARE(names.at(10948), QString("s10948"));
    QCOMPARE(names.last(), QString("s1"));
    int found = 0;
    for (int i = 0; i < 100000; ++i)
        found += GetIniKeys(file, "s" + QString::number(i)).size();
    QCOMPARE(found, 100000);
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(TestIniCache)
#include "test_inicache.moc"
