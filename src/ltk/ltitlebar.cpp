#include "ltitlebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

namespace {
constexpr int IconSize = 32;
}

LTitlebar::LTitlebar(QWidget *parent)
    : QWidget(parent)
    , m_iconLabel(new QLabel(this))
    , m_leftArea(new QHBoxLayout)
    , m_centerArea(new QHBoxLayout)
    , m_rightArea(new QHBoxLayout)
    , m_menuButton(new QToolButton(this))
    , m_menu(new QMenu(this))
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFixedHeight(50);

    m_iconLabel->setFixedSize(IconSize, IconSize);
    m_menuButton->setAutoRaise(true);
    m_menuButton->setArrowType(Qt::DownArrow);
    m_menuButton->setPopupMode(QToolButton::InstantPopup);
    m_menuButton->setMenu(m_menu);
    m_menuButton->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));

    auto layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->setSpacing(8);
    layout->addWidget(m_iconLabel);
    layout->addLayout(m_leftArea);
    layout->addStretch(1);
    layout->addLayout(m_centerArea);
    layout->addStretch(1);
    layout->addLayout(m_rightArea);
    layout->addWidget(m_menuButton);
}

void LTitlebar::setIcon(const QIcon &icon)
{
    m_iconLabel->setPixmap(icon.pixmap(IconSize, IconSize));
}

void LTitlebar::addWidget(QWidget *widget, Qt::Alignment alignment)
{
    if (alignment & Qt::AlignLeft)
        m_leftArea->addWidget(widget);
    else if (alignment & Qt::AlignRight)
        m_rightArea->addWidget(widget);
    else
        m_centerArea->addWidget(widget);
}

void LTitlebar::setMenuVisible(bool visible)
{
    m_menuButton->setVisible(visible);
}

bool LTitlebar::menuIsVisible() const
{
    return !m_menuButton->isHidden();
}

void LTitlebar::setShadowEnabled(bool enabled)
{
    m_shadow = enabled;
    update();
}

void LTitlebar::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_shadow)
        return;
    QPainter painter(this);
    painter.setPen(QColor(0, 0, 0, 25));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
