#pragma once
// What our document windows share with the desktop's viewers: Esc and Ctrl+W close them, and
// each kind opens at the size it had when the person last closed one.
#include <QObject>
#include <QSize>
#include <QString>

class QWidget;
class UserConfig;

class ViewerWindow : public QObject
{
    Q_OBJECT

public:
    // Gives window its shortcuts and its remembered size (fallback without one); the size is
    // kept under "viewers/<kind>" of user when the window closes. user may be null.
    static void Setup(QWidget* window, UserConfig* user, const QString& kind, QSize fallback);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ViewerWindow(QWidget* window, UserConfig* user, const QString& key);

    UserConfig* m_user;
    QString m_key;
};
