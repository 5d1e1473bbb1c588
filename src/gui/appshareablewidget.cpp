#include "appshareablewidget.h"

Appshareablewidget::Appshareablewidget(QWidget *parent)
    : QWidget(parent)
{
}
