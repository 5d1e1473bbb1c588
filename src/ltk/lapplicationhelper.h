#ifndef LAPPLICATIONHELPER_H
#define LAPPLICATIONHELPER_H

#include "lpalette.h"

class QWidget;

// Palette access that keeps the toolkit's additional colour roles.
class LApplicationHelper
{
public:
    static LPalette palette(const QWidget *widget);
    static void setPalette(QWidget *widget, const LPalette &palette);
};

#endif // LAPPLICATIONHELPER_H
