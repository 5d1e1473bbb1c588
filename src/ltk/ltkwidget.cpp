#include "ltkwidget.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Ltk {
namespace Widget {

void moveToCenter(QWidget *widget)
{
    if (!widget)
        return;
    QRect area;
    if (widget->isWindow()) {
        QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        area = screen->availableGeometry();
    } else if (widget->parentWidget()) {
        area = widget->parentWidget()->rect();
    } else {
        return;
    }
    QRect frame = widget->frameGeometry();
    frame.moveCenter(area.center());
    widget->move(frame.topLeft());
}

} // namespace Widget
} // namespace Ltk
