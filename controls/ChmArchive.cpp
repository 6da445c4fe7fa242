#include "controls/ChmArchive.h"

#include "controls/HtmlText.h"

#include <QFile>
#include <QtEndian>

#ifdef KARVENNA_HAVE_CHMLIB
#include <chm_lib.h>
#endif

namespace {

// A help topic or picture is small; anything above this is a damaged archive.
constexpr qint64 kMaxObjectSize = 64 * 1024 * 1024;

QString withLeadingSlash(const QString& path)
{
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')))
        return path;
    return QLatin1Char('/') + path;
}

} // namespace

ChmArchive::ChmArchive(const QString& path) : m_path(path)
{
#ifdef KARVENNA_HAVE_CHMLIB
    m_file = chm_open(QFile::encodeName(path).constData());
    if (m_file)
        readSystemRecord();
#endif
}

ChmArchive::~ChmArchive()
{
#ifdef KARVENNA_HAVE_CHMLIB
    if (m_file)
        chm_close(m_file);
#endif
}

std::optional<QByteArray> ChmArchive::read(const QString& objectPath) const
{
#ifdef KARVENNA_HAVE_CHMLIB
    if (!m_file || objectPath.isEmpty())
        return std::nullopt;
    chmUnitInfo unit{};
    const QByteArray name = withLeadingSlash(objectPath).toUtf8();
    if (chm_resolve_object(m_file, name.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > LONGUINT64(kMaxObjectSize))
        return std::nullopt;
    QByteArray data(qsizetype(unit.length), Qt::Uninitialized);
    const LONGINT64 got = unit.length == 0
        ? 0
        : chm_retrieve_object(m_file, &unit, reinterpret_cast<unsigned char*>(data.data()), 0,
                              LONGINT64(unit.length));
    if (got < 0)
        return std::nullopt;
    data.truncate(qsizetype(got));
    return data;
#else
    Q_UNUSED(objectPath);
    return std::nullopt;
#endif
}

QStringList ChmArchive::files() const
{
    QStringList paths;
#ifdef KARVENNA_HAVE_CHMLIB
    if (!m_file)
        return paths;
    auto collect = [](chmFile*, chmUnitInfo* unit, void* context) -> int {
        const QString path = QString::fromUtf8(unit->path);
        if (!path.endsWith(QLatin1Char('/')) && !path.startsWith(QLatin1String("/#"))
            && !path.startsWith(QLatin1String("/$")))
            static_cast<QStringList*>(context)->append(path);
        return CHM_ENUMERATOR_CONTINUE;
    };
    chm_enumerate(m_file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collect, &paths);
#endif
    return paths;
}

// "#SYSTEM": a version word, then records of code, length and NUL-terminated text.
void ChmArchive::readSystemRecord()
{
    const std::optional<QByteArray> system = read(QStringLiteral("/#SYSTEM"));
    if (system && system->size() >= 4) {
        const QByteArray& bytes = *system;
        qsizetype at = 4;
        while (at + 4 <= bytes.size()) {
            const quint16 code = qFromLittleEndian<quint16>(bytes.constData() + at);
            const quint16 length = qFromLittleEndian<quint16>(bytes.constData() + at + 2);
            at += 4;
            if (at + length > bytes.size())
                break;
            QByteArray text = bytes.mid(at, length);
            text.truncate(text.indexOf('\0') < 0 ? text.size() : text.indexOf('\0'));
            at += length;
            const QString value = HtmlText::DecodeAnsi(text);
            if (code == 0)
                m_contentsFile = withLeadingSlash(value);
            else if (code == 2)
                m_defaultTopic = withLeadingSlash(value);
            else if (code == 3)
                m_title = value;
        }
    }

    const QStringList all = (m_contentsFile.isEmpty() || m_defaultTopic.isEmpty()) ? files()
                                                                                   : QStringList();
    if (m_contentsFile.isEmpty()) {
        for (const QString& file : all) {
            if (file.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive)) {
                m_contentsFile = file;
                break;
            }
        }
    }
    if (m_defaultTopic.isEmpty()) {
        for (const QString& file : all) {
            if (file.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive)
                || file.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)) {
                m_defaultTopic = file;
                break;
            }
        }
    }
}
