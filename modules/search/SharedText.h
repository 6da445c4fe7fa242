#pragma once
// Many short texts of the search in one block: each is a string of its own that shares the
// block's memory instead of owning a copy, and keeps the block alive as long as it lives.
#include <QString>

namespace SharedText {

// The part of block at from, length characters long, as a string that shares the block. The
// block holds a NUL after every part it hands out, where the text of a string ends, so the
// part reads as any other string does; changing it makes it a copy of its own.
inline QString Part(const QString& block, qsizetype from, qsizetype length)
{
    if (length == 0)
        return QString();
    QString::DataPointer part = block.data_ptr();
    part.setBegin(part.data() + from);
    part.size = length;
    return QString(std::move(part));
}

} // namespace SharedText
