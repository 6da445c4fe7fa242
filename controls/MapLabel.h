#pragma once
// Name labels and the heading on the map: coloured, bold, sized to their caption.
#include <QWidget>

class MapLabel : public QWidget
{
    Q_OBJECT

public:
    enum class Style { Name, Heading };
    explicit MapLabel(Style style, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // Colours as 0x00BBGGRR.
    void setColours(quint32 fore, quint32 back);
    quint32 foreColour() const { return m_fore; }
    quint32 backColour() const { return m_back; }

    // Width and height in pixels that the label takes for a caption.
    static QSize sizeFor(Style style, const QString& caption);
    static QFont fontFor(Style style);
    // Height in pixels of every label of a style.
    static int heightOf(Style style);
    // A label's look at a size, for a device pixel ratio; a map draws many names with it in
    // one paint. Drawn once per look; the reference holds until the next call.
    static const QImage& look(Style style, const QString& caption, quint32 fore, quint32 back,
                        const QSize& size, qreal ratio);

    QSize sizeHint() const override { return sizeFor(m_style, m_caption); }

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
    QString m_caption;
    quint32 m_fore = 0, m_back = 0;
};
