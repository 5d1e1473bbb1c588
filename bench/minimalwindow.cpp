// The reference: a minimal Qt Widgets program that shows one window and
// reports the time from launch until it has been painted.

#include "benchclock.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class Window : public QWidget
{
protected:
    bool event(QEvent *event) override
    {
        const bool result = QWidget::event(event);
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, [] {
                printFigures(msSinceLaunch());
                QCoreApplication::quit();
            });
        }
        return result;
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window window;
    window.resize(1050, 700);
    window.show();
    return app.exec();
}
