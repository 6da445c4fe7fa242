#include "controls/Hyperlink.h"
#include "platform/Services.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

namespace {

Hyperlink::CursorSource& cursorSource()
{
    static Hyperlink::CursorSource source;
    return source;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Hyperlink::SetLabelColor(this, Hyperlink::NormalColor);
}

void LinkLabel::open(ShellService& shell) const { shell.open(target()); }

QJsonObject LinkLabel::automationState() const
{
    const QColor c = palette().color(QPalette::WindowText);
    return QJsonObject{{"target", target()},
                       {"foreColor", static_cast<qint64>(c.red() | c.green() << 8 | c.blue() << 16)},
                       {"underline", font().underline()}};
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void HyperlinkRegistry::CreateHyperlink(QWidget* form, QLabel* label, quint32 normalColor,
                                        quint32 hoverColor)
{
    HyperlinkEntry entry;
    entry.NormalColor = normalColor;
    entry.HoverColor = hoverColor;
    entry.OwnerWindow = reinterpret_cast<quintptr>(form);
    entry.CurrentColor = -1;
    entry.OwnerForm = form;
    entry.LinkLabel = label;
    m_entries.append(entry);
    if (m_linkHost) {
        QTimer* timer = timerOf(m_linkHost);
        timer->setInterval(Hyperlink::TimerInterval);
        timer->start();
    }
}

void HyperlinkRegistry::HyperLinkWork(QWidget* form)
{
    m_linkHost = form;
    bool found = false;
    for (HyperlinkEntry& entry : m_entries) {
        if (entry.OwnerWindow == 0)
            continue;
        if (!entry.OwnerForm) {
            entry.OwnerWindow = 0;
            continue;
        }
        found = true;
        if (!entry.LinkLabel)
            return;   // a label gone before its window: end the pass quietly
        const bool over = Hyperlink::IsCursorOverControl(entry.OwnerForm, entry.LinkLabel);
        if (over && entry.CurrentColor != entry.HoverColor) {
            entry.CurrentColor = entry.HoverColor;
            Hyperlink::SetLabelColor(entry.LinkLabel, entry.HoverColor);
            entry.LinkLabel->repaint();
        } else if (!over && entry.CurrentColor != entry.NormalColor) {
            entry.CurrentColor = entry.NormalColor;
            Hyperlink::SetLabelColor(entry.LinkLabel, entry.NormalColor);
        }
    }
    if (!found) {
        if (m_linkHost)
            timerOf(m_linkHost)->stop();
        m_entries.clear();
    }
}

QTimer* HyperlinkRegistry::timerOf(QWidget* form)
{
    auto* timer = form->findChild<QTimer*>(QStringLiteral("tmrLink"), Qt::FindDirectChildrenOnly);
    if (!timer) {
        timer = new QTimer(form);
        timer->setObjectName(QStringLiteral("tmrLink"));
        QObject::connect(timer, &QTimer::timeout, form, [this, form] { HyperLinkWork(form); });
    }
    return timer;
}

bool Hyperlink::IsCursorOverControl(const QWidget* form, const QWidget* control)
{
    if (!form || !control || !control->window())
        return false;
    // mapToGlobal goes through every container up to the screen.
    const QPoint topLeft = control->mapToGlobal(QPoint(0, 0));
    const QPoint p = CursorPos();
    return p.x() >= topLeft.x() && p.x() <= topLeft.x() + control->width()
        && p.y() >= topLeft.y() && p.y() <= topLeft.y() + control->height();
}

void Hyperlink::SetCursorSource(CursorSource source) { cursorSource() = std::move(source); }

QPoint Hyperlink::CursorPos()
{
    return cursorSource() ? cursorSource()() : QCursor::pos();
}

QColor Hyperlink::FromBgr(quint32 colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void Hyperlink::SetLabelColor(QLabel* label, quint32 colour)
{
    QPalette palette = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, FromBgr(colour));
    label->setPalette(palette);
}
