// Loaded into a program by the start-up benchmark (LD_PRELOAD): when the widget named by
// KARVENNA_FIRST_PAINT_OF has painted for the first time, prints "first-paint <monotonic ns>"
// and ends the program at once. The program itself knows nothing of it.
#include <QCoreApplication>
#include <QEvent>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class FirstPaintWatch : public QObject
{
public:
    explicit FirstPaintWatch(const QString& widgetName) : m_widgetName(widgetName) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || watched->objectName() != m_widgetName)
            return false;
        // Let the widget paint, then stop the clock.
        watched->event(event);
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("first-paint %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        std::_Exit(0);
    }

private:
    QString m_widgetName;
};

void watchFirstPaint()
{
    const QString name = qEnvironmentVariable("KARVENNA_FIRST_PAINT_OF");
    if (!name.isEmpty())
        QCoreApplication::instance()->installEventFilter(new FirstPaintWatch(name));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
