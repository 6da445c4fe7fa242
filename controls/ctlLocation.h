#pragma once
// The map marker: a small filled circle in BackColor with a BorderColor ring, 165 x 165 twips.
// Reports mouse moves and double clicks; carries a description for its owner.
#include <QWidget>

class ctlLocation : public QWidget
{
    Q_OBJECT

public:
    explicit ctlLocation(QWidget* parent = nullptr);

    quint32 BorderColor() const { return m_borderColor; }
    void setBorderColor(quint32 colour);   // 0x00BBGGRR
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 colour);
    QString Desc() const { return m_desc; }
    void setDesc(const QString& desc) { m_desc = desc; }
    QString ToolTipText() const { return toolTip(); }
    void setToolTipText(const QString& text) { setToolTip(text); }

    static QColor fromBgr(quint32 colour);
    // The marker's figure at a size, for a device pixel ratio; a map draws many markers with
    // it in one paint. Drawn once per look; the reference holds until the next call.
    static const QImage& figure(quint32 border, quint32 back, const QSize& size, qreal ratio);

signals:
    void MouseMove(int button, int shift, double x, double y);
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    quint32 m_borderColor = 192;
    quint32 m_backColor = 55295;
    QString m_desc;
};
