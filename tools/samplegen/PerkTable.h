#pragma once
#include <QString>
#include <QVector>

struct Perk
{
    QString key;      // section key of the data files, exactly
    QString group;    // f, h, m, s, t, a, o
    QString german;
    QString langKey;  // key in section "frmPerks" of a language file
    QString english;
};

const QVector<Perk>& PerkTable();
