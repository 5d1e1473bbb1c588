// Starts the assistant exactly as its main() does and reports the time from
// launch until the main window has first been painted (shown_ms) and until
// it is complete: the catalogue reply has filled the catalogue page and the
// installed applications are listed, painted (startup_ms). Then it quits.

#include "appinstallablemainwidget.h"
#include "appinstallablewidget.h"
#include "appinstalledwidget.h"
#include "benchclock.h"
#include "datamodel.h"
#include "lapplication.h"
#include "wineapplication.h"
#include "winemainwindow.h"

#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTextStream>
#include <QTimer>

namespace {

bool isComplete(const WineMainWindow *window)
{
    const auto catalogue = qobject_cast<Appinstallablewidget *>(window->pages()->widget(0));
    const auto installed = window->pages()->widget(1)->findChild<Appinstalledwidget *>();
    return catalogue && installed && catalogue->mainWidget()->model()->rowCount() > 0
           && installed->model()->rowCount() > 0;
}

class ShownWatcher : public QObject
{
public:
    explicit ShownWatcher(QObject *parent = nullptr)
        : QObject(parent)
    {
        connect(&m_poll, &QTimer::timeout, this, &ShownWatcher::checkComplete);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_window) {
            if (auto window = qobject_cast<WineMainWindow *>(watched)) {
                m_window = window;
                QTextStream(stdout) << "shown_ms=" << msSinceLaunch() << '\n';
                m_poll.start(1);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void checkComplete()
    {
        if (!isComplete(m_window))
            return;
        m_poll.stop();
        // What arrived is on screen once this paint is done.
        m_window->repaint();
        printFigures(msSinceLaunch());
        QCoreApplication::quit();
    }

    WineMainWindow *m_window = nullptr;
    QTimer m_poll;
};

} // namespace

int main(int argc, char *argv[])
{
    LApplication app(argc, argv);
    ShownWatcher watcher;
    app.installEventFilter(&watcher);
    return runAssistant();
}
