#pragma once
// Name labels and the heading on the map: coloured, bold, sized to their caption.
#include <QLabel>

class MapLabel : public QLabel
{
    Q_OBJECT

public:
    enum class Style { Name, Heading };
    explicit MapLabel(Style style, QWidget* parent = nullptr);

    // Colours as 0x00BBGGRR.
    void setColours(quint32 fore, quint32 back);
    // Width and height in pixels that the label takes for a caption.
    static QSize sizeFor(Style style, const QString& caption);
    static QFont fontFor(Style style);

signals:
    void MouseMove();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Style m_style;
    quint32 m_fore = 0, m_back = 0;
    bool m_drawingLook = false;  // paintEvent is drawing the cached picture of a look
};
