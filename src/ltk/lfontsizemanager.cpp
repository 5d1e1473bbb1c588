#include "lfontsizemanager.h"

#include <QWidget>

#include <algorithm>

namespace {

// Pixel size of each class relative to the base size (T6 is the base).
constexpr int SizeOffsets[LFontSizeManager::NSizeTypes] = {26, 16, 6, 6, 4, 0, -1, -2, -3, -4};

} // namespace

LFontSizeManager::LFontSizeManager(QObject *parent)
    : QObject(parent)
{
}

LFontSizeManager *LFontSizeManager::instance()
{
    static LFontSizeManager manager;
    return &manager;
}

int LFontSizeManager::fontPixelSize(SizeType type) const
{
    if (type < T1 || type >= NSizeTypes)
        return m_basePixelSize;
    return qMax(6, m_basePixelSize + SizeOffsets[type]);
}

QFont LFontSizeManager::get(SizeType type, const QFont &base) const
{
    QFont font = base;
    font.setPixelSize(fontPixelSize(type));
    return font;
}

void LFontSizeManager::bind(QWidget *widget, SizeType type, int weight)
{
    if (!widget)
        return;
    unbind(widget);
    m_bindings.append({widget, type, weight});
    apply(widget, type, weight);
}

void LFontSizeManager::unbind(QWidget *widget)
{
    m_bindings.erase(std::remove_if(m_bindings.begin(), m_bindings.end(),
                                    [widget](const Binding &binding) {
                                        return !binding.widget || binding.widget == widget;
                                    }),
                     m_bindings.end());
}

void LFontSizeManager::setBaseFontPixelSize(int size)
{
    if (size <= 0 || size == m_basePixelSize)
        return;
    m_basePixelSize = size;
    for (const Binding &binding : qAsConst(m_bindings)) {
        if (binding.widget)
            apply(binding.widget, binding.type, binding.weight);
    }
    emit fontChanged();
}

void LFontSizeManager::apply(QWidget *widget, SizeType type, int weight) const
{
    QFont font = get(type, widget->font());
    if (weight >= 0)
        font.setWeight(weight);
    widget->setFont(font);
}
