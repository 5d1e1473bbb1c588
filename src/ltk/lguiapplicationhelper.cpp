#include "lguiapplicationhelper.h"

#include "lsingleinstance.h"

#include <QtGlobal>

LGuiApplicationHelper::LGuiApplicationHelper(QObject *parent)
    : QObject(parent)
{
}

LGuiApplicationHelper::~LGuiApplicationHelper() = default;

LGuiApplicationHelper *LGuiApplicationHelper::instance()
{
    static LGuiApplicationHelper helper;
    return &helper;
}

bool LGuiApplicationHelper::setSingleInstance(const QString &key, SingleScope scope)
{
    LGuiApplicationHelper *helper = instance();
    if (helper->m_singleInstance)
        return true;

    auto *single = new LSingleInstance(key, scope == UserScope, helper);
    if (!single->claim()) {
        delete single;
        return false;
    }
    connect(single, &LSingleInstance::messageReceived, helper,
            &LGuiApplicationHelper::newProcessInstance);
    helper->m_singleInstance = single;
    return true;
}

LGuiApplicationHelper::ColorType LGuiApplicationHelper::toColorType(const QColor &color)
{
    if (!color.isValid())
        return UnknownType;
    // Perceived brightness (ITU-R BT.601 weights).
    const int brightness = (color.red() * 299 + color.green() * 587 + color.blue() * 114) / 1000;
    return brightness >= 128 ? LightType : DarkType;
}

QColor LGuiApplicationHelper::adjustColor(const QColor &base, int lightnessPercent,
                                          int alphaPercent)
{
    QColor hsl = base.toHsl();
    const int lightness = hsl.lightness()
                          + hsl.lightness() * qBound(-100, lightnessPercent, 100) / 100;
    const int alpha = hsl.alpha() + hsl.alpha() * qBound(-100, alphaPercent, 100) / 100;
    hsl.setHsl(hsl.hslHue(), hsl.hslSaturation(), qBound(0, lightness, 255), qBound(0, alpha, 255));
    return hsl.toRgb();
}
