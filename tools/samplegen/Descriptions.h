#pragma once
// Descriptions of the entities in German and English, as the info.data files hold them:
// "\n" (backslash, n) marks a line break, a leading "#" refers to another entry.
#include <QString>
#include <QVector>

#include "Catalog.h"

struct Description
{
    QString name;   // German key
    QString german;
    QString english;
};

QVector<Description> Describe(const Catalog& cat, quint64 seed);

// The read limit of a description value.
constexpr int kDescriptionLimit = 2047;
