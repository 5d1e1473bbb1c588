#ifndef LPALETTE_H
#define LPALETTE_H

#include <QBrush>
#include <QPalette>

#include <array>

/*
 * A QPalette with the toolkit's additional colour roles (tips text, titles,
 * warnings, item backgrounds, ...). Widgets keep the additional brushes as
 * properties, so LApplicationHelper::palette() returns what setPalette() set.
 */
class LPalette : public QPalette
{
public:
    enum ColorType {
        NoType,
        ItemBackground,
        TextTitle,
        TextTips,
        TextWarning,
        TextLively,
        LightLively,
        DarkLively,
        FrameBorder,
        NColorTypes
    };

    LPalette();
    explicit LPalette(const QPalette &palette);

    using QPalette::brush;
    using QPalette::color;
    using QPalette::setBrush;

    QBrush brush(ColorType type) const;
    QColor color(ColorType type) const { return brush(type).color(); }
    void setBrush(ColorType type, const QBrush &brush);

    static QBrush defaultBrush(ColorType type);

private:
    std::array<QBrush, NColorTypes> m_extra;
};

#endif // LPALETTE_H
