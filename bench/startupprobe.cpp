// Starts the assistant exactly as its main() does and reports the time from
// launch until the main window has been shown and painted, then quits.

#include "benchclock.h"
#include "lapplication.h"
#include "wineapplication.h"
#include "winemainwindow.h"

#include <QTimer>

namespace {

class ShownWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<WineMainWindow *>(watched) && !m_done) {
            m_done = true;
            // Report after the paint has finished.
            QTimer::singleShot(0, qApp, [] {
                printFigures(msSinceLaunch());
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char *argv[])
{
    LApplication app(argc, argv);
    ShownWatcher watcher;
    app.installEventFilter(&watcher);
    return runAssistant();
}
