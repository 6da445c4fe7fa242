#pragma once
// The exchange file of one profile's progress (backups, moving to another machine):
//   {"format": "karvenna-progress", "version": 1, "profile": "Aldric",
//    "exported": "2026-12-07T03:00:00Z",
//    "found": [{"map": "caldora", "name": "Alte Mühle", "marked": "2026-12-01T18:22:05Z"}]}
// "marked" may be missing; unknown keys are ignored, so later versions can add some.
#include "modules/progress/ProgressStore.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace ProgressFile {

constexpr int kVersion = 1;
// Larger files are refused before they are read.
constexpr qint64 kMaxBytes = 64LL * 1024 * 1024;

QByteArray ToJson(const QString& profile, const QList<FoundMark>& marks);
// nullopt, and why in error, for anything that is not such a file.
std::optional<QList<FoundMark>> FromJson(const QByteArray& bytes, QString* error);

} // namespace ProgressFile
