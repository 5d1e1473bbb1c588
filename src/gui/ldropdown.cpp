#include "ldropdown.h"

#include "liconbutton.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

constexpr int ArrowSide = 9;
constexpr int MenuGap = 5;
const QString HoverStatus = QStringLiteral("hover");

// The style's own down-arrow primitive: at this size the style's standard
// arrow icon shrinks to a coloured dot, while the primitive stays an arrow.
QIcon downArrowIcon(const QWidget *widget)
{
    QPixmap pixmap(QSize(ArrowSide, ArrowSide) * widget->devicePixelRatioF());
    pixmap.setDevicePixelRatio(widget->devicePixelRatioF());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QStyleOption option;
    option.initFrom(widget);
    option.rect = QRect(0, 0, ArrowSide, ArrowSide);
    widget->style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, widget);
    return QIcon(pixmap);
}

} // namespace

LDropdown::LDropdown(QWidget *parent)
    : QWidget(parent)
    , m_menu(std::make_unique<QMenu>())
    , m_text(new QLabel(QStringLiteral("undefined"), this))
    , m_arrow(new LIconButton(this))
{
    setObjectName(QStringLiteral("LDropdown"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_text->setObjectName(QStringLiteral("LDropdownText"));
    m_text->setFont(textFont());

    m_arrow->setObjectName(QStringLiteral("LDropdownIcon"));
    m_arrow->setIcon(downArrowIcon(this));
    m_arrow->setIconSize(QSize(ArrowSide, ArrowSide));
    m_arrow->setFixedSize(ArrowSide, ArrowSide);
    m_arrow->setFlat(true);
    QPalette transparent = m_arrow->palette();
    for (QPalette::ColorRole role : {QPalette::Light, QPalette::Dark, QPalette::Shadow})
        transparent.setBrush(role, Qt::transparent);
    m_arrow->setPalette(transparent);

    auto layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(m_text, 0, Qt::AlignCenter);
    layout->addSpacing(10);
    layout->addWidget(m_arrow, 0, Qt::AlignCenter);
    layout->addStretch();

    connect(m_arrow, &QPushButton::clicked, this, &LDropdown::requestContextMenu);
    connect(this, &LDropdown::requestContextMenu, this, &LDropdown::showMenu);
    connect(m_menu.get(), &QMenu::triggered, this, [this](QAction *action) {
        setText(action->text());
        emit triggered(action);
    });
}

LDropdown::~LDropdown() = default;

QFont LDropdown::textFont()
{
    QFont font(QStringLiteral("SourceHanSansSC"));
    font.setWeight(50);
    font.setPixelSize(14);
    return font;
}

QString LDropdown::text() const
{
    return m_text->text();
}

QList<QAction *> LDropdown::actions() const
{
    QList<QAction *> result;
    const QList<QAction *> all = m_menu->actions();
    for (QAction *action : all) {
        if (!action->isSeparator())
            result.append(action);
    }
    return result;
}

QAction *LDropdown::currentAction() const
{
    const QList<QAction *> all = actions();
    for (QAction *action : all) {
        if (action->isChecked())
            return action;
    }
    return nullptr;
}

void LDropdown::setText(const QString &text)
{
    m_text->setText(text);
}

void LDropdown::setCurrentAction(QAction *action)
{
    if (!action)
        return;
    const QList<QAction *> all = actions();
    for (QAction *other : all)
        other->setChecked(false);
    setText(action->text());
    action->setChecked(true);
}

void LDropdown::setCurrentAction(int index)
{
    const QList<QAction *> all = actions();
    if (all.isEmpty())
        return;
    setCurrentAction(all.value(index, all.first()));
}

QAction *LDropdown::addAction(const QString &item, const QVariant &var)
{
    QAction *action = m_menu->addAction(item);
    m_menu->addSeparator();
    action->setData(var);
    action->setCheckable(true);
    return action;
}

void LDropdown::setStatus(const QString &status)
{
    if (m_status == status)
        return;
    m_status = status;
    emit statusChanged(status);
}

void LDropdown::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit requestContextMenu();
    QWidget::mouseReleaseEvent(event);
}

void LDropdown::enterEvent(QEvent *event)
{
    setStatus(HoverStatus);
    update();
    QWidget::enterEvent(event);
}

void LDropdown::leaveEvent(QEvent *event)
{
    setStatus(QString());
    update();
    QWidget::leaveEvent(event);
}

void LDropdown::paintEvent(QPaintEvent *event)
{
    if (m_status == HoverStatus) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Midlight));
        painter.drawRoundedRect(rect(), 4, 4);
    }
    QWidget::paintEvent(event);
}

void LDropdown::showMenu()
{
    const QPoint below = mapToGlobal(QPoint(0, 0)) + QPoint(0, height() + MenuGap);
    m_menu->exec(below);
}
