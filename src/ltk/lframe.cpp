#include "lframe.h"

LFrame::LFrame(QWidget *parent)
    : QFrame(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFrameShape(QFrame::NoFrame);
}
