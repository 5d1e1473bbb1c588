#include "lapplicationhelper.h"

#include <QVariant>
#include <QWidget>

namespace {

QByteArray propertyName(int type)
{
    return QByteArrayLiteral("_ltk_palette_") + QByteArray::number(type);
}

} // namespace

LPalette LApplicationHelper::palette(const QWidget *widget)
{
    LPalette result(widget->palette());
    for (int type = LPalette::NoType + 1; type < LPalette::NColorTypes; ++type) {
        const QVariant stored = widget->property(propertyName(type).constData());
        if (stored.canConvert<QBrush>())
            result.setBrush(LPalette::ColorType(type), stored.value<QBrush>());
    }
    return result;
}

void LApplicationHelper::setPalette(QWidget *widget, const LPalette &palette)
{
    for (int type = LPalette::NoType + 1; type < LPalette::NColorTypes; ++type) {
        const auto colorType = LPalette::ColorType(type);
        widget->setProperty(propertyName(type).constData(), palette.brush(colorType));
    }
    widget->setPalette(palette);
}
