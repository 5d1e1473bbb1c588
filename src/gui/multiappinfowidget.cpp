#include "multiappinfowidget.h"

#include "iconlabel.h"
#include "llabel.h"
#include "plaintext.h"
#include "ratingwidget.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int AvatarSide = 36;
// Room beside the avatar, and for the uploader beside the recommendation.
constexpr int TextWidth = 170;
constexpr int AuthorWidth = 100;
} // namespace

Multiappinfowidget::Multiappinfowidget(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(6);
}

void Multiappinfowidget::clear()
{
    delete m_group;
    m_group = nullptr;
    while (QLayoutItem *item = m_layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_selected = 0;
}

void Multiappinfowidget::insertData(const Vector &vecAppinfo)
{
    clear();
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idToggled, this, &Multiappinfowidget::onGroupButtonToggled);
    for (int i = 0; i < vecAppinfo.size(); ++i)
        m_layout->addWidget(createRow(i, vecAppinfo.at(i)));
    m_layout->addStretch();
    selectVersion(0);
}

void Multiappinfowidget::selectVersion(int n)
{
    if (QAbstractButton *button = m_group ? m_group->button(n) : nullptr)
        button->setChecked(true);
}

QWidget *Multiappinfowidget::createRow(int index, const TPublishedAppInfo &info)
{
    auto row = new QWidget(this);
    auto radio = new QRadioButton(row);
    radio->setObjectName(QString::number(index));
    m_group->addButton(radio, index);

    auto avatar = new IconLabel(QString(), QString(), row);
    avatar->setFixedSize(AvatarSide, AvatarSide);
    avatar->setCacheKind(IconLabel::UserPicture);
    avatar->setPicture(info.avatar, info.author);

    auto author = new LLabel(row);
    PlainText::setElidedText(author, info.author, AuthorWidth);
    auto recommended = new LLabel(tr("官方推荐"), row);
    recommended->setForegroundRole(LPalette::TextLively);
    auto nameLine = new QHBoxLayout;
    nameLine->setSpacing(6);
    nameLine->addWidget(author);
    nameLine->addWidget(recommended);
    nameLine->addStretch();

    auto created = new LLabel(row);
    PlainText::setElidedText(created, info.createdAt, TextWidth);
    created->setForegroundRole(LPalette::TextTips);
    auto column = new QVBoxLayout;
    column->setSpacing(2);
    column->addLayout(nameLine);
    column->addWidget(created);
    column->addWidget(new RatingWidget(info.score, row));

    auto layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(radio);
    layout->addWidget(avatar, 0, Qt::AlignTop);
    layout->addLayout(column, 1);
    return row;
}

void Multiappinfowidget::onGroupButtonToggled(int n, bool bflag)
{
    if (bflag)
        m_selected = n;
}
