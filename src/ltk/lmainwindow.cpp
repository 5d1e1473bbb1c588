#include "lmainwindow.h"

#include "ltitlebar.h"

#include <QApplication>

LMainWindow::LMainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_titlebar(new LTitlebar(this))
{
    setMenuWidget(m_titlebar);
    setWindowIcon(qApp->windowIcon());
}

void LMainWindow::setTitlebarShadowEnabled(bool enabled)
{
    m_titlebar->setShadowEnabled(enabled);
}

bool LMainWindow::titlebarShadowIsEnabled() const
{
    return m_titlebar->shadowEnabled();
}
