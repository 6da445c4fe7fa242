// Writing profile files: where WriteIni puts values, that it keeps every other byte and the
// file's encoding, and that it replaces the file atomically or not at all.
#include "modules/IniOps.h"
#include "support/TestInstall.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace IniOps;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint64 inodeOf(const QString& path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

} // namespace

class TestIniWrite : public QObject
{
    Q_OBJECT

private:
    TestInstall m_install;
    int m_files = 0;

    QString write(const QByteArray& bytes)
    {
        const QString name = QStringLiteral("w%1.ini").arg(++m_files);
        m_install.writeBytes(name, bytes);
        return m_install.file(name);
    }

private slots:
    void writeIni_data();
    void writeIni();
    void createsNewFileWithCrLf();
    void missingFolderCreatesNothing();
    void keepsEncoding_data();
    void keepsEncoding();
    void replacesFileByRename();
    void keepsPermissionsAndLinks();
    void readOnlyFileUntouched();
    void readOnlyFolderUntouched();
    void failedWriteKeepsOriginal();
};

void TestIniWrite::writeIni_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("replace keeps spelling and blanks")
        << QByteArray("[General]\r\n  Language = English  \r\nx=1\r\n") << "general"
        << "LANGUAGE"
        << "Deutsch" << QByteArray("[General]\r\n  Language = Deutsch\r\nx=1\r\n");
    QTest::newRow("replace only the key lookups find")
        << QByteArray("[s]\r\n;k=0\r\nk=1\r\nk=2\r\n[S]\r\nk=3\r\n") << "s"
        << "k"
        << "9" << QByteArray("[s]\r\n;k=0\r\nk=9\r\nk=2\r\n[S]\r\nk=3\r\n");
    QTest::newRow("replace keeps blanks after =") << QByteArray("[s]\r\nk= \t old\r\n") << "s"
                                                  << "k"
                                                  << "new" << QByteArray("[s]\r\nk= \t new\r\n");
    QTest::newRow("key without =") << QByteArray("[s]\r\nk\r\n") << "s"
                                   << "k"
                                   << "v" << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("new key after last entry")
        << QByteArray("[s]\r\na=1\r\n\r\n; note\r\n[t]\r\nb=2\r\n") << "s"
        << "k"
        << "v" << QByteArray("[s]\r\na=1\r\nk=v\r\n\r\n; note\r\n[t]\r\nb=2\r\n");
    QTest::newRow("new key in section of comments only")
        << QByteArray("[s]\r\n;k=1\r\n") << "s"
        << "k"
        << "v" << QByteArray("[s]\r\nk=v\r\n;k=1\r\n");
    QTest::newRow("new key, no final line break") << QByteArray("[s]\r\na=1") << "s"
                                                  << "k"
                                                  << "v" << QByteArray("[s]\r\na=1\r\nk=v\r\n");
    QTest::newRow("new key, header last line") << QByteArray("[s]") << "s"
                                               << "k"
                                               << "v" << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("new key, LF file") << QByteArray("[s]\na=1\n[t]\n") << "s"
                                      << "k"
                                      << "v" << QByteArray("[s]\na=1\nk=v\n[t]\n");
    QTest::newRow("new key, CR file") << QByteArray("[s]\ra=1\r") << "s"
                                      << "k"
                                      << "v" << QByteArray("[s]\ra=1\rk=v\r");
    QTest::newRow("new section at end") << QByteArray("[s]\r\na=1\r\n") << "t"
                                        << "k"
                                        << "v" << QByteArray("[s]\r\na=1\r\n[t]\r\nk=v\r\n");
    QTest::newRow("new section, no final line break")
        << QByteArray("; top\r\n[s]\r\na=1") << "t"
        << "k"
        << "v" << QByteArray("; top\r\n[s]\r\na=1\r\n[t]\r\nk=v\r\n");
    QTest::newRow("new section, LF file") << QByteArray("[s]\na=1") << "t"
                                          << "k"
                                          << "v" << QByteArray("[s]\na=1\n[t]\nk=v\n");
    QTest::newRow("new section gets trimmed names") << QByteArray("") << "  t "
                                                    << " k "
                                                    << "v" << QByteArray("[t]\r\nk=v\r\n");
    QTest::newRow("section found ignoring case and blanks")
        << QByteArray("[ Sec ]\r\na=1\r\n") << " sec "
        << "A"
        << "2" << QByteArray("[ Sec ]\r\na=2\r\n");
    QTest::newRow("entries before first header untouched")
        << QByteArray("k=1\r\n[s]\r\n") << "s"
        << "k"
        << "2" << QByteArray("k=1\r\n[s]\r\nk=2\r\n");
    QTest::newRow("header without ]") << QByteArray("[s\r\na=1") << "s"
                                      << "a"
                                      << "2" << QByteArray("[s\r\na=2");
    QTest::newRow("line breaks in value flattened") << QByteArray("[s]\r\n") << "s"
                                                    << "k"
                                                    << "a\r\nb" << QByteArray("[s]\r\nk=a  b\r\n");
}

void TestIniWrite::writeIni()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    const QString file = write(before);
    ReadIni(file, section, key, {}); // the cache must notice the write
    WriteIni(file, section, key, value);
    QCOMPARE(readBytes(file), after);
    const QString expected = QString(value).replace(u'\r', u' ').replace(u'\n', u' ');
    QCOMPARE(ReadIni(file, section, key, "dflt"), expected);
}

void TestIniWrite::createsNewFileWithCrLf()
{
    const QString file = m_install.file("new.ini");
    WriteIni(file, "general", "language", "English");
    QCOMPARE(readBytes(file), QByteArray("[general]\r\nlanguage=English\r\n"));
    WriteIni(file, "general", "SubstLang", "Français");
    QCOMPARE(readBytes(file),
             QString("[general]\r\nlanguage=English\r\nSubstLang=Français\r\n").toUtf8());
}

void TestIniWrite::missingFolderCreatesNothing()
{
    const QString file = m_install.file("absent/new.ini");
    WriteIni(file, "s", "k", "v");
    QVERIFY(!QFileInfo::exists(m_install.file("absent")));
}

void TestIniWrite::keepsEncoding_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("Windows-1252 stays") << QByteArray("[s]\r\nname=Gr\xFC\xDF"
                                                      "e\r\n")
                                        << "Öl €"
                                        << QByteArray("[s]\r\nname=Gr\xFC\xDF"
                                                      "e\r\nk=\xD6l \x80\r\n");
    QTest::newRow("Windows-1252 cannot hold it")
        << QByteArray("[s]\r\nname=\xFC\r\n") << "Жар 🙂"
        << QByteArray("[s]\r\nname=\xFC\r\nk=??? ?\r\n");
    QTest::newRow("undefined 1252 bytes survive")
        << QByteArray("[s]\r\nx=\x81\x8D\x8F\x90\x9D\xFF\r\n") << "v"
        << QByteArray("[s]\r\nx=\x81\x8D\x8F\x90\x9D\xFF\r\nk=v\r\n");
    QTest::newRow("UTF-8 stays") << QString("[s]\r\nname=Grüße\r\n").toUtf8() << "Öl €"
                                 << QString("[s]\r\nname=Grüße\r\nk=Öl €\r\n").toUtf8();
    QTest::newRow("BOM stays") << QByteArray("\xEF\xBB\xBF[s]\r\n") << "ß"
                               << QByteArray("\xEF\xBB\xBF[s]\r\nk=\xC3\x9F\r\n");
    QTest::newRow("ASCII becomes UTF-8")
        << QByteArray("[s]\r\n") << "ß" << QByteArray("[s]\r\nk=\xC3\x9F\r\n");
    QTest::newRow("NUL bytes survive")
        << QByteArray("[s]\r\nx=a\0b\r\n", 12) << "v" << QByteArray("[s]\r\nx=a\0b\r\nk=v\r\n", 17);
}

void TestIniWrite::keepsEncoding()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    const QString file = write(before);
    WriteIni(file, "s", "k", value);
    QCOMPARE(readBytes(file), after);
}

void TestIniWrite::replacesFileByRename()
{
    TestInstall install;
    install.writeBytes("karvenna.ini", "[general]\r\nlanguage=English\r\n");
    const QString file = install.file("karvenna.ini");
    const quint64 before = inodeOf(file);
    WriteIni(file, "general", "language", "Deutsch");
    QCOMPARE(ReadIni(file, "general", "language", ""), QString("Deutsch"));
    // A new file took the old one's place: a crash could only have left one of the two.
    QVERIFY(inodeOf(file) != before);
    QCOMPARE(QDir(install.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"karvenna.ini"});
}

void TestIniWrite::keepsPermissionsAndLinks()
{
    TestInstall install;
    install.writeBytes("real.ini", "[s]\r\nk=1\r\n");
    const QString real = install.file("real.ini");
    const QString link = install.file("link.ini");
    QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QVERIFY(QFile::link(real, link));
    WriteIni(link, "s", "k", "2");
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readBytes(real), QByteArray("[s]\r\nk=2\r\n"));
    const auto modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFileInfo(real).permissions() & modeBits,
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

void TestIniWrite::readOnlyFileUntouched()
{
    const QByteArray original("[general]\r\nlanguage=English\r\n");
    const QString file = write(original);
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    WriteIni(file, "general", "language", "Deutsch");
    WriteIni(file, "other", "k", "v");
    QCOMPARE(readBytes(file), original);
    QCOMPARE(ReadIni(file, "general", "language", ""), QString("English"));
    QVERIFY(!QFileInfo(file).permissions().testFlag(QFile::WriteOwner));
}

void TestIniWrite::readOnlyFolderUntouched()
{
    TestInstall install;
    const QByteArray original("[general]\r\nlanguage=English\r\n");
    install.writeBytes("karvenna.ini", original);
    const QString file = install.file("karvenna.ini");
    const auto folderPermissions = QFileInfo(install.path()).permissions();
    QVERIFY(QFile::setPermissions(install.path(), QFile::ReadOwner | QFile::ExeOwner));
    WriteIni(file, "general", "language", "Deutsch");
    WriteIni(install.file("new.ini"), "s", "k", "v");
    QVERIFY(QFile::setPermissions(install.path(), folderPermissions));
    QCOMPARE(readBytes(file), original);
    QCOMPARE(QDir(install.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"karvenna.ini"});
}

void TestIniWrite::failedWriteKeepsOriginal()
{
    // A file size limit makes the write of the new text fail half-way, as a full disk would.
    TestInstall install;
    const QByteArray original = "[s]\r\nk=" + QByteArray(100, 'o') + "\r\n";
    install.writeBytes("data.ini", original);
    const QString file = install.file("data.ini");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit limit = oldLimit;
    limit.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    WriteIni(file, "s", "k", QString(200, u'n'));
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(readBytes(file), original);
    QCOMPARE(ReadIni(file, "s", "k", ""), QString(100, u'o'));
    QCOMPARE(QDir(install.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.ini"});
}

QTEST_GUILESS_MAIN(TestIniWrite)
#include "test_iniwrite.moc"
