#pragma once
// The main window on the display installation, and the plain widget it is measured against:
// one that only draws the map picture over its whole size, smoothly scaled once per size.
#include <QImage>
#include <QPixmap>
#include <QWidget>

class frmMain;

namespace DisplayBench {

// Created on first use, shown, with German texts.
frmMain& Main();

// Shows an 81-entry category all at once: caldora and frostmere in turn.
void ShowCategory(int turn);

class PlainMap : public QWidget
{
public:
    explicit PlainMap(const QString& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    QPixmap m_scaled;
};

// A shown plain widget as large as the main window's map area.
PlainMap& Plain();

// Destroys both windows; before the application object goes.
void Release();

} // namespace DisplayBench
