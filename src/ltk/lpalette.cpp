#include "lpalette.h"

LPalette::LPalette()
    : LPalette(QPalette())
{
}

LPalette::LPalette(const QPalette &palette)
    : QPalette(palette)
{
    for (int type = NoType + 1; type < NColorTypes; ++type)
        m_extra[size_t(type)] = defaultBrush(ColorType(type));
}

QBrush LPalette::brush(ColorType type) const
{
    if (type <= NoType || type >= NColorTypes)
        return QBrush();
    return m_extra[size_t(type)];
}

void LPalette::setBrush(ColorType type, const QBrush &brush)
{
    if (type > NoType && type < NColorTypes)
        m_extra[size_t(type)] = brush;
}

QBrush LPalette::defaultBrush(ColorType type)
{
    switch (type) {
    case ItemBackground:
        return QColor(0, 0, 0, 13);
    case TextTitle:
        return QColor(0x00, 0x1a, 0x2e);
    case TextTips:
        return QColor(0x8a, 0x8a, 0x8a);
    case TextWarning:
        return QColor(0xff, 0x57, 0x36);
    case TextLively:
    case LightLively:
        return QColor(0x00, 0x81, 0xff);
    case DarkLively:
        return QColor(0x00, 0x5e, 0xc4);
    case FrameBorder:
        return QColor(0, 0, 0, 25);
    case NoType:
    case NColorTypes:
        break;
    }
    return QBrush();
}
