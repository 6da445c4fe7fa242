#include "controls/ViewerWindow.h"

#include "modules/UserFiles.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

void ViewerWindow::Setup(QWidget* window, UserConfig* user, const QString& kind, QSize fallback)
{
    const QString key = QStringLiteral("viewers/") + kind;
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(QStringLiteral("Ctrl+W"))}) {
        auto* shortcut = new QShortcut(keys, window);
        // Also while the focus is in the window's contents list or page.
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, window, &QWidget::close);
    }
    QSize size = user ? user->value(key).toSize() : QSize();
    if (!size.isValid() || size.isEmpty())
        size = fallback;
    // A size kept on a bigger screen still fits this one.
    if (const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    window->resize(size);
    if (user)
        window->installEventFilter(new ViewerWindow(window, user, key));
}

ViewerWindow::ViewerWindow(QWidget* window, UserConfig* user, const QString& key)
    : QObject(window), m_user(user), m_key(key)
{
}

bool ViewerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close)
        if (auto* window = qobject_cast<QWidget*>(watched); window && !window->isMaximized())
            m_user->setValue(m_key, window->size());
    return QObject::eventFilter(watched, event);
}
