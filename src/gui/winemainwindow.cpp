#include "winemainwindow.h"

#include "licontheme.h"
#include "ltitlebar.h"

#include <QStackedWidget>

WineMainWindow::WineMainWindow(QWidget *parent)
    : LMainWindow(parent)
{
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    titlebar()->setIcon(QIcon(LIconTheme::builtinPrefix() + QStringLiteral("lw_headerIcon.svg")));
    setCentralWidget(new QStackedWidget(this));
}
