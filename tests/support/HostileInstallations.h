#pragma once
// Broken installations as players, translators and modders produce them: each starts as a lean
// copy of the sample (its data and language files, small map pictures) and breaks one thing.
#include <QList>
#include <QString>

namespace Hostile {

enum class Outcome {
    Runs,           // the program runs every action
    EndsWithMessage // a missing file or a broken link ends it with its message
};

struct Case
{
    QString name;
    void (*write)(const QString& home);
    Outcome outcome = Outcome::Runs;
    QString lintFinding; // text that `karvenna --check` must print for it; empty: nothing asked
};

// Every case, at least thirty.
const QList<Case>& Cases();

// The lean copy of the sample that every case starts from.
void WriteBase(const QString& home);

// The first key of a section of a data file, as the program lists it.
QString FirstKey(const QString& dataFile, const QString& section);

} // namespace Hostile
