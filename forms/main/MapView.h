#pragma once
// imgMap: the map picture drawn stretched over its control size.
#include <QImage>
#include <QPixmap>
#include <QWidget>

class MapView : public QWidget
{
    Q_OBJECT

public:
    explicit MapView(QWidget* parent = nullptr);

    // Loads a picture file; false (and an empty map) when it cannot be decoded.
    bool loadFile(const QString& path);
    void setImage(const QImage& image);
    bool hasImage() const { return !m_image.isNull(); }

signals:
    void rightButtonDown(const QPoint& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    QPixmap m_scaled;  // the picture at the current size, made once per size
};
