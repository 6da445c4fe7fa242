#include "modules/IniOps.h"

#include "modules/AtomicFile.h"
#include "modules/FileSystem.h"
#include "modules/IniCache.h"
#include "modules/IniDocument.h"

#include <QFileInfo>

namespace IniOps {

namespace {

constexpr qsizetype kValueLimit = 2047;     // buffer of 2048 characters with its NUL
constexpr qsizetype kSectionsLimit = 65535; // names and their NUL separators

// A file or folder without any write permission is left alone even by root, who could
// write it anyway: the user marked it read-only on purpose.
bool isWritable(const QFileInfo& info)
{
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}

} // namespace

namespace {

QStringView cut(QStringView value)
{
    if (value.size() > kValueLimit) {
        qsizetype cut = kValueLimit;
        // Never leave half of a character behind.
        if (value[cut - 1].isHighSurrogate())
            --cut;
        value.truncate(cut);
    }
    return value;
}

QStringView valueFrom(const IniDocument* document, QStringView section, QStringView key)
{
    if (!document)
        return {};
    return cut(document->valueView(section, key).value_or(QStringView()));
}

QString readFrom(const IniDocument* document, const QString& section, const QString& key,
                 const QString& defaultValue)
{
    const QStringView value = valueFrom(document, section, key);
    return value.isEmpty() ? defaultValue : value.toString();
}

QStringList sectionsOf(const IniDocument* document)
{
    QStringList result;
    if (!document)
        return result;
    // The names as the system function hands them over: each followed by a NUL, in a buffer
    // whose end cuts off whatever does not fit.
    QString buffer;
    for (const QString& name : document->sectionNames()) {
        buffer += name;
        buffer += QChar(0);
        if (buffer.size() >= kSectionsLimit)
            break;
    }
    buffer.truncate(kSectionsLimit);
    for (const QStringView piece : QStringView(buffer).split(QChar(0))) {
        if (!IniDocument::trimBlanks(piece).isEmpty())
            result.append(piece.toString());
    }
    return result;
}

QStringList keysOf(const IniDocument* document, const QString& section)
{
    QStringList keys;
    if (!document)
        return keys;
    const auto [first, end] = document->strictSectionLines(u'[' + section + u']');
    if (first >= 0)
        keys.reserve(end - first);
    for (qsizetype i = first; i < end; ++i) {
        const QStringView line = document->line(i);
        if (IniDocument::trimBlanks(line).isEmpty())
            continue;
        keys.append(IniDocument::keyOf(line).toString());
    }
    return keys;
}

} // namespace

QString ReadIni(const QString& file, const QString& section, const QString& key,
                const QString& defaultValue)
{
    return readFrom(IniCache::Load(file).get(), section, key, defaultValue);
}

Reader::Reader(const QString& file) : m_document(IniCache::Load(file)) {}

QString Reader::ReadIni(const QString& section, const QString& key, const QString& defaultValue) const
{
    return readFrom(m_document.get(), section, key, defaultValue);
}

qsizetype Reader::FindSection(QStringView section) const
{
    if (!m_document)
        return -1;
    return m_document->sectionIndex(section).value_or(-1);
}

QStringView Reader::Value(qsizetype section, QStringView key) const
{
    if (!m_document || section < 0)
        return {};
    return cut(m_document->valueView(section, key, m_near).value_or(QStringView()));
}

QStringList Reader::GetIniSections() const
{
    return sectionsOf(m_document.get());
}

QStringList Reader::GetIniKeys(const QString& section) const
{
    return keysOf(m_document.get(), section);
}

std::vector<Reader::Entry> Reader::GetIniEntries(const QString& section) const
{
    std::vector<Entry> entries;
    if (!m_document)
        return entries;
    const auto found = m_document->strictEntries(section);
    entries.reserve(found.size());
    for (const IniDocument::Entry& e : found)
        entries.push_back({e.key.toString(), cut(e.value.value_or(QStringView()))});
    return entries;
}

bool CanWrite(const QString& file)
{
    if (file.isEmpty())
        return false;
    const QFileInfo info(FileSystem::FindFile(file));
    return isWritable(QFileInfo(info.absolutePath())) && (!info.exists() || isWritable(info));
}

bool WriteIni(const QString& written, const QString& section, const QString& key, const QString& value)
{
    if (!CanWrite(written))
        return false;
    // The file that reading finds is the one that changes, whatever case its name has.
    const QString file = FileSystem::FindFile(written);
    const QFileInfo info(file);
    QString text;
    TextCodec::Encoding encoding = TextCodec::Encoding::Utf8;
    if (info.exists()) {
        const auto document = IniCache::Load(file);
        if (!document)
            return false; // unreadable or not a file: leave it alone
        text = document->withValue(section, key, value);
        encoding = document->encoding();
    } else {
        text = IniDocument(TextCodec::Decoded{}).withValue(section, key, value);
    }

    const bool replaced = AtomicFile::Replace(file, TextCodec::Encode(text, encoding));
    IniCache::Forget(file);
    IniCache::Forget(written);
    return replaced;
}

QStringList GetIniSections(const QString& file)
{
    return sectionsOf(IniCache::Load(file).get());
}

QStringList GetIniKeys(const QString& file, const QString& section)
{
    return keysOf(IniCache::Load(file).get(), section);
}

} // namespace IniOps
