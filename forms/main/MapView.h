#pragma once
// imgMap: the map picture drawn stretched over its control size, with the markers and names
// of the display on it.
#include "modules/FileSystem.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <optional>

class MarkerLayer;

class MapView : public QWidget
{
    Q_OBJECT

public:
    explicit MapView(QWidget* parent = nullptr);

    // Loads a picture file; false (and an empty map) when it cannot be decoded.
    bool loadFile(const QString& path);
    void setImage(const QImage& image);
    bool hasImage() const { return !m_image.isNull(); }
    // The markers and names drawn over the picture, laid out in the parent's pixels (null: none).
    void setLayer(const MarkerLayer* layer);

signals:
    void rightButtonDown(const QPoint& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // A map picture decoded once, and scaled once per size, for as long as its file stays the
    // same: showing a category again or another map only draws.
    struct Picture
    {
        FileSystem::FileStamp stamp;  // the file when it was decoded
        QImage image;
        QPixmap scaled;
    };

    void drawPicture(QPainter& painter);

    QImage m_image;
    const MarkerLayer* m_layer = nullptr;
    QPixmap m_scaled;  // the picture at the current size, made once per size
    QString m_path;    // file of the shown picture; empty for a picture set directly
    QHash<QString, Picture> m_pictures;
};
