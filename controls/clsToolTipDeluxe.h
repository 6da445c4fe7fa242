#pragma once
// Balloon tooltips attached to controls: one tip window owned by the object, shown after the
// delay while the pointer rests on a registered control, or on a registered area of a widget
// that draws several things itself (one marker of the map).
#include <QColor>
#include <QFont>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class QWidget;
class QTimer;
class BalloonWindow;

class clsToolTipDeluxe : public QObject
{
    Q_OBJECT

public:
    explicit clsToolTipDeluxe(QObject* parent = nullptr);
    ~clsToolTipDeluxe() override;

    // Setters send to the tip window; before Create they have no effect, except MaxWidth.
    void MaxWidth(int pixels);
    void VisibleTime(int milliseconds);   // clamped to 0 ... 32767
    void DelayTime(int milliseconds);     // clamped to 0 ... 32767
    void ToolTipTextColor(quint32 colour); // 0x00BBGGRR
    void ToolTipBackColor(quint32 colour);
    void Font(const QFont* font);          // null does nothing

    void Create(QWidget* parent, bool alwaysTip, bool balloon);
    void Destroy();
    void AddControl(QWidget* control, const QString& text, bool centered = false);
    // A tip for a part of surface: area in its pixels, name for the dump ("DOT:3"). A surface
    // has one tip at a time; registering another area replaces it. The surface tracks the
    // mouse, so that moves on and off the area are seen.
    void AddArea(QWidget* surface, const QRect& area, const QString& name, const QString& text,
                 bool centered = false);
    // Forgets the tip of a control or surface (what it stood for has gone or moved); the last
    // registration stays on record for the dump.
    void RemoveControl(QWidget* control);
    // icon: 0 none, 1 information, 2 warning, 3 error; an empty title removes the title line.
    void SetToolTipTitle(const QString& title, int icon);

    // A colour whose highest byte is 0x80 names a system colour (index in the low bits);
    // the platform's palette answers it. Other values come back unchanged.
    static quint32 TranslateSystemColour(quint32 colour);
    // Logical font height: -(points * dpi / 72), points rounded.
    static int FontHeight(double points, int dpi);

    // For the dump: the last registration ("control" is the control's objectName or the
    // area's name).
    QJsonObject balloonState() const;
    QJsonObject objectState() const;  // maxWidth, visibleTime, delayTime, balloon, alwaysTip

    bool isCreated() const;
    // Shows the tip of a registered control now (tests, and the hover after the delay).
    void showTipFor(QWidget* control);
    bool isTipVisible() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tool
    {
        QRect area;  // null: the whole control
        QString name;
        QString text;
        bool centered = false;
    };
    void addTool(QWidget* control, const Tool& tool);
    static QRect areaOf(const QWidget* control, const Tool& tool);
    bool isShownFor(const QWidget* control, const QRect& area) const;
    bool mayShowFor(const QWidget* control, const QRect& area) const;
    void leave(QWidget* control, bool gone);

    QPointer<QWidget> m_parent;
    BalloonWindow* m_window = nullptr;
    QTimer* m_delayTimer = nullptr;
    QTimer* m_popTimer = nullptr;
    QHash<QWidget*, Tool> m_tools;
    QPointer<QWidget> m_lastControl;  // the last registration, while its control lives
    QString m_lastName;
    QString m_lastText;
    QPointer<QWidget> m_pending;
    int m_maxWidth = 300;
    int m_visibleTime = 5000;
    int m_delayTime = 500;
    bool m_alwaysTip = false;
    bool m_balloon = false;
    quint32 m_textColour = 0;
    quint32 m_backColour = 0xE1FFFF;
    QFont m_font;
    QString m_title;
    int m_icon = 0;
};
