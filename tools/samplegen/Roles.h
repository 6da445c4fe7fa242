#pragma once
// Roles of persons and the things that lie about, with their English names.
#include <QString>
#include <QVector>

#include "Lexicon.h"

namespace Roles {

// A person's trade; group is the perk group it may teach ("f", "h", "m", "s", "t", "a", "o") or empty.
struct Trade
{
    QString key;
    Role role;
    QString group;
};

const Trade& Get(const QString& key);
const QVector<QString>& Commoners();

// Things by kind: "creature-<climate>", "undead", "item", "tool", "resource", "artefact", "plant" ...
const QVector<Word>& Things(const QString& kind);

} // namespace Roles
