#include "llabel.h"

#include "lapplicationhelper.h"

LLabel::LLabel(QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
}

LLabel::LLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void LLabel::setForegroundRole(LPalette::ColorType type)
{
    m_colorType = type;
    LPalette palette = LApplicationHelper::palette(this);
    palette.setColor(QPalette::WindowText, palette.color(type));
    LApplicationHelper::setPalette(this, palette);
}
