#include "itemwidget.h"

#include "iconlabel.h"
#include "llabel.h"
#include "plaintext.h"
#include "ratingwidget.h"
#include "wineapplication.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int MaxWidth = 249;
constexpr int IconSide = 48;
constexpr int NameWidth = 96;

LLabel *elidedLabel(const QString &text, QWidget *parent)
{
    auto label = new LLabel(parent);
    label->setFixedWidth(NameWidth);
    PlainText::setElidedText(label, text, NameWidth);
    return label;
}

} // namespace

ItemWidget::ItemWidget(const TPublishedAppInfo &info, QWidget *parent)
    : QWidget(parent)
    , m_info(info)
    , m_icon(new IconLabel(QString(), QString(), this))
    , m_install(new QPushButton(tr("安装"), this))
{
    setMaximumWidth(MaxWidth);
    m_icon->setFixedSize(IconSide, IconSide);
    m_icon->setPicture(info.icon, info.appName);

    auto name = elidedLabel(info.appName, this);
    name->setObjectName(QStringLiteral("name"));
    auto version = elidedLabel(info.version, this);
    version->setObjectName(QStringLiteral("version"));
    version->setForegroundRole(LPalette::TextTips);

    auto column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(name);
    column->addWidget(version);
    column->addWidget(new RatingWidget(info.score, this));

    m_install->setObjectName(QStringLiteral("install"));
    m_install->setFixedWidth(m_install->fontMetrics().horizontalAdvance(m_install->text()) + 24);
    connect(m_install, &QPushButton::clicked, this,
            [this] { WineApplication::instance()->newInstallDialog(m_info); });

    auto row = new QHBoxLayout(this);
    row->setContentsMargins(10, 10, 10, 10);
    row->setSpacing(10);
    row->addWidget(m_icon);
    row->addLayout(column);
    row->addStretch();
    row->addWidget(m_install);
}
