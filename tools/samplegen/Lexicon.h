#pragma once
// Word pools of the sample: German names with their English translation.
#include <QString>
#include <QVector>

#include "WorldModel.h"

struct Word
{
    QString de;
    QString en;
};

// A role of a person: German masculine and feminine form, English form.
struct Role
{
    QString de;
    QString deF;
    QString en;
};

namespace Lexicon {

// Site and area names of one climate, by kind ("town", "forest", "lake", "range", "shrine",
// "cave", "camp", "ruin", "stone", "mill", "tower", "oasis", "tomb", "sea", "canyon").
const QVector<Word>& Names(Climate climate, const QString& kind);

const QVector<QString>& FirstNames(Climate climate, bool female);
const QVector<QString>& OrcNames();
// Epithets as "masculine|feminine" German forms.
const QVector<Role>& Epithets();

} // namespace Lexicon
