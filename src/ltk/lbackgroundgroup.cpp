#include "lbackgroundgroup.h"

#include <QBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int Radius = 8;
}

LBackgroundGroup::LBackgroundGroup(QWidget *parent)
    : QFrame(parent)
{
}

LBackgroundGroup::LBackgroundGroup(QBoxLayout *layout, QWidget *parent)
    : QFrame(parent)
{
    setLayout(layout);
}

void LBackgroundGroup::setItemSpacing(int spacing)
{
    if (layout())
        layout()->setSpacing(spacing);
}

int LBackgroundGroup::itemSpacing() const
{
    return layout() ? layout()->spacing() : 0;
}

void LBackgroundGroup::setItemMargins(const QMargins &margins)
{
    if (layout())
        layout()->setContentsMargins(margins);
}

void LBackgroundGroup::setBackgroundRole(QPalette::ColorRole role)
{
    m_role = role;
    update();
}

void LBackgroundGroup::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!layout())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().brush(m_role));
    for (int i = 0; i < layout()->count(); ++i) {
        QWidget *widget = layout()->itemAt(i)->widget();
        if (widget && widget->isVisible())
            painter.drawRoundedRect(widget->geometry(), Radius, Radius);
    }
}
