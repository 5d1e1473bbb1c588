#ifndef LTKWIDGET_H
#define LTKWIDGET_H

class QWidget;

namespace Ltk {
namespace Widget {

// Centres a top-level widget on the screen it is on (the primary screen
// before it is shown), or a child widget on its parent.
void moveToCenter(QWidget *widget);

} // namespace Widget
} // namespace Ltk

#endif // LTKWIDGET_H
