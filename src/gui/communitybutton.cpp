#include "communitybutton.h"

#include <QPainter>

namespace {
constexpr int Margin = 7;
constexpr int Spacing = 6;
} // namespace

CommunityButton::CommunityButton(const QString &text, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(text);
    QFont title = font();
    title.setBold(true);
    setFont(title);
}

QSize CommunityButton::sizeHint() const
{
    const QSize icon = iconSize();
    return {Margin + icon.width() + Spacing + fontMetrics().horizontalAdvance(text()) + Margin,
            qMax(icon.height(), fontMetrics().height()) + 2 * Margin};
}

void CommunityButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QSize size = iconSize();
    const QRect iconArea(QPoint(Margin, (height() - size.height()) / 2), size);
    icon().paint(&painter, iconArea, Qt::AlignCenter,
                 isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const QRect textArea = rect().adjusted(iconArea.right() + 1 + Spacing, 0, 0, 0);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width()));
}
