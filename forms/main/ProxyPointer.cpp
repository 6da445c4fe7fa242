#include "forms/main/ProxyPointer.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QWidget>

ProxyPointer::ProxyPointer(QWidget* surface, Lookup proxyAt)
    : QObject(surface), m_surface(surface), m_proxyAt(std::move(proxyAt))
{
    // A control is reached by moving onto it, without a button held.
    m_surface->setMouseTracking(true);
    m_surface->installEventFilter(this);
}

void ProxyPointer::recheck()
{
    if (m_inside && m_hovered && m_proxyAt(m_position) != m_hovered)
        leave();
}

void ProxyPointer::hoverAt(const QPointF& position, const QPointF& global)
{
    m_inside = true;
    m_position = position.toPoint();
    QWidget* proxy = m_proxyAt(m_position);
    if (proxy == m_hovered)
        return;
    leave();
    if (!proxy)
        return;
    m_hovered = proxy;
    if (proxy->testAttribute(Qt::WA_SetCursor))
        m_surface->setCursor(proxy->cursor());
    // As Qt marks a widget it delivers Enter to; tooltips ask for it.
    proxy->setAttribute(Qt::WA_UnderMouse, true);
    QEnterEvent enter(proxy->mapFromGlobal(global), global, global);
    QCoreApplication::sendEvent(proxy, &enter);
}

void ProxyPointer::leave()
{
    if (!m_hovered)
        return;
    QWidget* proxy = m_hovered;
    m_hovered = nullptr;
    m_surface->unsetCursor();
    proxy->setAttribute(Qt::WA_UnderMouse, false);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(proxy, &leave);
}

bool ProxyPointer::forward(QMouseEvent* event)
{
    if (!m_hovered)
        return false;
    QWidget* proxy = m_hovered;
    QMouseEvent copy(event->type(), proxy->mapFromGlobal(event->globalPosition()),
                     event->scenePosition(), event->globalPosition(), event->button(),
                     event->buttons(), event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(proxy, &copy);
    return true;
}

bool ProxyPointer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_surface)
        return false;
    switch (event->type()) {
    case QEvent::Enter: {
        const auto* enter = static_cast<QEnterEvent*>(event);
        hoverAt(enter->position(), enter->globalPosition());
        return false;
    }
    case QEvent::Leave:
        m_inside = false;
        leave();
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // A button pressed without a move before it still finds its control.
        auto* mouse = static_cast<QMouseEvent*>(event);
        hoverAt(mouse->position(), mouse->globalPosition());
        return forward(mouse);
    }
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (!m_hovered)
            return false;
        QWidget* proxy = m_hovered;
        QWheelEvent copy(proxy->mapFromGlobal(wheel->globalPosition()), wheel->globalPosition(),
                         wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(),
                         wheel->modifiers(), wheel->phase(), wheel->inverted());
        QCoreApplication::sendEvent(proxy, &copy);
        return true;
    }
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(event);
        hoverAt(help->pos(), help->globalPos());
        if (!m_hovered)
            return false;
        QHelpEvent copy(QEvent::ToolTip, m_hovered->mapFromGlobal(help->globalPos()),
                        help->globalPos());
        QCoreApplication::sendEvent(m_hovered, &copy);
        if (!copy.isAccepted())
            QToolTip::hideText();
        return true;
    }
    default:
        return false;
    }
}
