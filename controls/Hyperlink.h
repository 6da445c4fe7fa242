#pragma once
// Hyperlink labels: underlined labels that change colour while the pointer is over them and
// open their target when clicked. A window keeps a registry of its links; the 5 ms timer of
// the window that last ran a pass (LinkHost) drives the colour changes.
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QVector>
#include <functional>

class QTimer;
class ShellService;

// A label that reports clicks and knows where it leads: prefix + its text.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // "mailto:" for an address, "http://" for a host without scheme, "" for a full address.
    void setTargetPrefix(const QString& prefix) { m_prefix = prefix; }
    QString target() const { return m_prefix + text(); }
    // Opens the target through the shell.
    void open(ShellService& shell) const;

    Q_INVOKABLE QJsonObject automationState() const;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_prefix;
};

struct HyperlinkEntry
{
    quint32 NormalColor = 0;
    quint32 HoverColor = 0;
    QPointer<QWidget> OwnerForm;
    QPointer<QLabel> LinkLabel;
    qint64 CurrentColor = -1;   // -1: no colour applied yet
    quintptr OwnerWindow = 0;   // 0 marks a dead entry
};

// The registry of one kind of window. It outlives the window objects, so a pass run by a
// new window finds the entries of a closed one dead and starts afresh.
class HyperlinkRegistry
{
public:
    // Adds a link and starts the timer of LinkHost (5 ms).
    void CreateHyperlink(QWidget* form, QLabel* label, quint32 normalColor, quint32 hoverColor);
    // One pass: marks dead entries, sets colours where the state changed; with no live
    // entry left, stops the timer and erases the registry.
    void HyperLinkWork(QWidget* form);

    const QVector<HyperlinkEntry>& entries() const { return m_entries; }
    QWidget* linkHost() const { return m_linkHost; }

    // The timer a window's links run on: its child "tmrLink", created on first use and
    // connected to HyperLinkWork of this registry.
    QTimer* timerOf(QWidget* form);

private:
    QVector<HyperlinkEntry> m_entries;
    QPointer<QWidget> m_linkHost;
};

namespace Hyperlink {

constexpr quint32 NormalColor = 0xFF0000; // blue, 0x00BBGGRR
constexpr quint32 HoverColor = 255;       // red
constexpr int TimerInterval = 5;

// Whether the pointer lies on the control's rectangle in screen pixels, the right and
// bottom edge included. A control without a window gives false.
bool IsCursorOverControl(const QWidget* form, const QWidget* control);

// Where the pointer is, in screen pixels (QCursor::pos unless a test replaced it).
using CursorSource = std::function<QPoint()>;
void SetCursorSource(CursorSource source);   // an empty function restores QCursor::pos
QPoint CursorPos();

// Applies a 0x00BBGGRR colour to a label's text.
void SetLabelColor(QLabel* label, quint32 colour);
QColor FromBgr(quint32 colour);

} // namespace Hyperlink
