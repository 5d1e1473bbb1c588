#include "appinstallablesubwidget.h"

#include "doaction.h"
#include "iconlabel.h"
#include "llabel.h"
#include "multiappinfowidget.h"
#include "plaintext.h"
#include "ratingwidget.h"
#include "wineapplication.h"

#include <QDebug>
#include <QEvent>
#include <QFormLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int IconSide = 64;
// Room for texts in the panel (278 pixels less its margins), and beside the
// field names of the details.
constexpr int TextWidth = 246;
constexpr int FieldWidth = 150;

LLabel *detailLabel(QWidget *parent, const QString &objectName)
{
    auto label = new LLabel(parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

Appinstallablesubwidget::Appinstallablesubwidget(QWidget *parent)
    : QWidget(parent)
    , m_icon(new IconLabel(QString(), QString(), this))
    , m_name(detailLabel(this, QStringLiteral("name")))
    , m_category(detailLabel(this, QStringLiteral("category")))
    , m_version(detailLabel(this, QStringLiteral("version")))
    , m_details(createDetails())
    , m_more(new LLabel(tr("更多版本"), this))
    , m_versionArea(new QScrollArea(this))
    , m_versionList(new Multiappinfowidget(m_versionArea))
    , m_install(new QPushButton(tr("安装"), this))
{
    m_icon->setFixedSize(IconSide, IconSide);
    m_name->setAlignment(Qt::AlignCenter);
    QFont nameFont = m_name->font();
    nameFont.setPixelSize(16);
    nameFont.setBold(true);
    m_name->setFont(nameFont);
    m_category->setAlignment(Qt::AlignCenter);
    m_category->setForegroundRole(LPalette::TextTips);
    m_version->setAlignment(Qt::AlignCenter);

    m_more->setObjectName(QStringLiteral("more"));
    m_more->setForegroundRole(LPalette::TextLively);
    m_more->setCursor(Qt::PointingHandCursor);
    m_more->installEventFilter(this);

    m_versionArea->setWidget(m_versionList);
    m_versionArea->setWidgetResizable(true);
    m_versionArea->setFrameShape(QFrame::NoFrame);
    m_versionArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The panel's own background shows through the list.
    m_versionArea->viewport()->setAutoFillBackground(false);
    m_versionList->setAutoFillBackground(false);
    m_versionArea->hide();

    m_install->setObjectName(QStringLiteral("install"));
    connect(m_install, &QPushButton::clicked, this, &Appinstallablesubwidget::install);

    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 20, 16, 16);
    layout->setSpacing(8);
    layout->addWidget(m_icon, 0, Qt::AlignHCenter);
    layout->addWidget(m_name);
    layout->addWidget(m_category);
    layout->addWidget(m_version);
    layout->addWidget(m_details);
    layout->addWidget(m_more, 0, Qt::AlignRight);
    layout->addWidget(m_versionArea, 1);
    layout->addStretch();
    layout->addWidget(m_install);
}

QWidget *Appinstallablesubwidget::createDetails()
{
    auto details = new QWidget(this);
    details->setObjectName(QStringLiteral("details"));
    m_created = detailLabel(details, QStringLiteral("created"));
    m_author = detailLabel(details, QStringLiteral("author"));
    m_rating = new RatingWidget(0.0, details);
    auto form = new QFormLayout(details);
    form->setContentsMargins(0, 8, 0, 0);
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(tr("上传时间："), m_created);
    form->addRow(tr("上传者："), m_author);
    form->addRow(tr("评分："), m_rating);
    return details;
}

bool Appinstallablesubwidget::isVersionListShown() const
{
    return !m_versionArea->isHidden();
}

void Appinstallablesubwidget::getAppInfos(const Vector &vecAppInfo)
{
    // Pressing a row and making it current both ask for its details.
    if (vecAppInfo == m_versions)
        return;
    m_versions = vecAppInfo;
    qDebug() << "m_vecLabels.count:" << vecAppInfo.size();
    for (int i = 0; i < vecAppInfo.size(); ++i) {
        const TPublishedAppInfo &info = vecAppInfo.at(i);
        qDebug() << "get appinfo[" << i << "categoriesId->" << info.categories << ",name->"
                 << info.appName << ",version->" << info.version << ",installtime->"
                 << info.createdAt << ",author->" << info.author << ",score->" << info.score << "]";
    }
    if (vecAppInfo.isEmpty())
        return;

    const TPublishedAppInfo &best = vecAppInfo.first();
    m_icon->setPicture(best.icon, best.appName);
    m_category->setText(Doaction::instance()->getCategoryName(best.categories));
    PlainText::setWrappedText(m_name, best.appName, TextWidth);
    PlainText::setWrappedText(m_version, best.version, TextWidth);
    PlainText::setWrappedText(m_created, best.createdAt, FieldWidth);
    PlainText::setWrappedText(m_author, best.author, FieldWidth);
    m_rating->setScore(best.score);
    m_versionList->insertData(vecAppInfo);
    showFirstVersion();
}

void Appinstallablesubwidget::showFirstVersion()
{
    m_more->setText(tr("更多版本"));
    m_details->show();
    m_versionArea->hide();
    m_versionList->selectVersion(0);
}

bool Appinstallablesubwidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_more && event->type() == QEvent::MouseButtonRelease) {
        toggleVersionList();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Appinstallablesubwidget::toggleVersionList()
{
    const bool showList = m_more->text() == tr("更多版本");
    m_more->setText(showList ? tr("收起") : tr("更多版本"));
    m_details->setVisible(!showList);
    m_versionArea->setVisible(showList);
}

void Appinstallablesubwidget::install()
{
    if (m_versions.isEmpty())
        return;
    const TPublishedAppInfo chosen = m_versions.value(m_versionList->selectedVersion(),
                                                      m_versions.first());
    WineApplication::instance()->newInstallDialog(chosen);
}
