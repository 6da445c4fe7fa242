#pragma once
// The drawn tip of clsToolTipDeluxe: a rounded bubble with a stem pointing at its target (a
// rectangle of a widget: the whole widget, or a marker the widget draws), or a plain rectangle. It lays its text out itself so that lines wrap at the maximum width.
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

class QPainterPath;

class BalloonWindow : public QWidget
{
    Q_OBJECT

public:
    struct Look
    {
        bool balloon = true;
        int maxWidth = 300;      // pixels of the whole tip; 0 or less: no limit
        QColor back;
        QColor text;
        QFont font;
        QString title;           // empty: no title line
        int icon = 0;            // 0 none, 1 information, 2 warning, 3 error
        bool operator==(const Look&) const = default;
    };

    explicit BalloonWindow(QWidget* owner);

    void setLook(const Look& look);
    const Look& look() const { return m_look; }

    // Shows text for the area of surface (in its pixels); the stem points at pointer (global)
    // when it lies on the area, else at the area's middle. An empty text shows nothing.
    void showFor(QWidget* surface, const QRect& area, const QString& text, bool centered,
                 const QPoint& pointer);
    void hideTip();
    // Hides the tip until the pointer has left its target (time out, click).
    void dismiss();
    void clearDismissal() { m_dismissed = false; }
    bool isDismissedFor(const QWidget* surface, const QRect& area) const
    {
        return m_dismissed && m_surface == surface && m_area == area;
    }
    // The target of the tip shown last.
    QWidget* surface() const { return m_surface; }
    QRect area() const { return m_area; }
    QString text() const { return m_text; }

    // The bubble without its stem, in the window's coordinates.
    QRect bubbleRect() const { return m_bubble; }
    bool stemOnTop() const { return m_stemOnTop; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Sizes the bubble for the text, the title and the width limit; sets m_wrapWidth.
    QSize measure(int screenWidth);
    void place();
    QPainterPath outline() const;

    Look m_look;
    QPointer<QWidget> m_surface;
    QRect m_area;
    QString m_text;
    bool m_centered = false;
    QPoint m_pointer;
    QRect m_bubble;
    int m_wrapWidth = 0;
    QString m_shownTitle;       // the title, elided to the bubble's width
    int m_stemX = 0;            // in window coordinates
    bool m_stemOnTop = true;
    bool m_dismissed = false;
};
