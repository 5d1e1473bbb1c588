#include "liconbutton.h"

LIconButton::LIconButton(QWidget *parent)
    : LIconButton(QIcon(), parent)
{
}

LIconButton::LIconButton(const QIcon &icon, QWidget *parent)
    : QPushButton(parent)
{
    setIcon(icon);
    setIconSize(QSize(16, 16));
}

QSize LIconButton::sizeHint() const
{
    const int side = qMax(iconSize().width(), iconSize().height()) + 16;
    return QSize(side, side);
}
