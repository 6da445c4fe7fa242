#pragma once
#include <QString>
#include <QVector>

struct MenuCaption
{
    QString name;     // menu entry name, the key of section "menus"
    QString english;  // the program's English caption
};

const QVector<MenuCaption>& MenuCaptions();
