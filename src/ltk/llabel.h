#ifndef LLABEL_H
#define LLABEL_H

#include "lpalette.h"

#include <QLabel>

// A label whose text colour can follow one of the toolkit's colour roles.
class LLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LLabel(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    explicit LLabel(const QString &text, QWidget *parent = nullptr);

    using QLabel::setForegroundRole;
    void setForegroundRole(LPalette::ColorType type);
    LPalette::ColorType foregroundColorType() const { return m_colorType; }

private:
    LPalette::ColorType m_colorType = LPalette::NoType;
};

#endif // LLABEL_H
