#pragma once
// Pointer events on a surface that draws other controls itself. Each control drawn there has a
// proxy widget that is never painted; the event goes to the proxy of the control under the
// pointer as if the pointer were on it: Enter and Leave as it is reached and left, mouse moves,
// buttons and the wheel in its own coordinates, tooltip requests. The surface shows the
// proxy's cursor. Events over no control stay with the surface.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QMouseEvent;
class QWidget;

class ProxyPointer : public QObject
{
    Q_OBJECT

public:
    // proxyAt: the proxy of the control drawn at a pixel of the surface, or null.
    using Lookup = std::function<QWidget*(const QPoint& pixel)>;
    ProxyPointer(QWidget* surface, Lookup proxyAt);

    // The proxy the pointer is on (null when none).
    QWidget* hovered() const { return m_hovered; }
    // What lies under a resting pointer may change without it moving (a new display): the
    // proxy of a control that is no longer there is left.
    void recheck();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hoverAt(const QPointF& position, const QPointF& global);
    void leave();
    bool forward(QMouseEvent* event);

    QWidget* m_surface;
    Lookup m_proxyAt;
    QPointer<QWidget> m_hovered;
    QPoint m_position;
    bool m_inside = false;
};
