#include "wnmethoditem.h"

#include "installpageutil.h"
#include "plaintext.h"
#include "starrating.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

namespace {

const QSize ItemSize(340, 38);
const QSize IconSize(24, 24);
const QSize StarSize(12, 12);
constexpr int TextWidth = 130;

} // namespace

WnMethodItem::WnMethodItem(QWidget *parent)
    : QWidget(parent)
    , m_radio(new QRadioButton(this))
{
    // Items of one page exclude each other through the page, not through
    // Qt's automatic grouping of sibling radio buttons.
    m_radio->setAutoExclusive(false);
    connect(m_radio, &QRadioButton::clicked, this, [this] { emit s_ItemClicked(this); });

    QPalette white = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        white.setColor(group, QPalette::Window, QColor(255, 255, 255));
    setPalette(white);
    setAutoFillBackground(true);
    setFixedSize(ItemSize);
}

QStringList WnMethodItem::starFiles(double score)
{
    QStringList files;
    const QList<StarRating::Star> stars = StarRating::stars(score, StarRating::Always);
    for (const StarRating::Star star : stars)
        files.append(StarRating::fileName(star));
    return files;
}

void WnMethodItem::setData(const TPublishedAppInfo &info, const QString &iconPath)
{
    m_info = info;

    auto icon = new QLabel(this);
    icon->setFixedSize(IconSize);
    icon->setPixmap(InstallPage::scaledPicture(iconPath, IconSize));

    auto text = new QLabel(this);
    PlainText::setText(text, displayText(text->font()));
    text->setToolTip(info.installType == 0
                             ? PlainText::toolTip(info.appName + QLatin1Char('/') + info.version)
                             : QString());

    auto layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->setSpacing(10);
    layout->addWidget(m_radio);
    layout->addWidget(icon);
    layout->addWidget(text);
    layout->addStretch();
    if (info.installType != 0)
        return;

    auto stars = new QHBoxLayout;
    stars->setSpacing(2);
    const QStringList files = starFiles(info.score);
    for (const QString &file : files) {
        auto star = new QLabel(this);
        star->setObjectName(file);
        star->setPixmap(InstallPage::svgPixmap(file, StarSize));
        stars->addWidget(star);
    }
    layout->addLayout(stars);
}

QString WnMethodItem::displayText(const QFont &font) const
{
    if (m_info.installType == 1)
        return tr("执行默认配制安装");
    const QString text = PlainText::bounded(
            QStringLiteral("%1/%2").arg(m_info.appName, m_info.version));
    return QFontMetrics(font).elidedText(text, Qt::ElideRight, TextWidth);
}

void WnMethodItem::setChecked(bool checked)
{
    m_radio->setChecked(checked);
}

bool WnMethodItem::isChecked() const
{
    return m_radio->isChecked();
}

void WnMethodItem::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit s_ItemClicked(this);
    QWidget::mousePressEvent(event);
}
