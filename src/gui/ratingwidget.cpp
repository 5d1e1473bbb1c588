#include "ratingwidget.h"

#include "licontheme.h"
#include "llabel.h"
#include "starrating.h"

#include <QHBoxLayout>
#include <QPixmapCache>

namespace {

constexpr QSize StarSize(12, 11);

QPixmap starPixmap(StarRating::Star star)
{
    const QString path = LIconTheme::builtinPrefix() + StarRating::fileName(star);
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        // Drawn by the program's own SVG engine: a plain QIcon would first
        // look up an icon engine plugin for the file.
        pixmap = LIconTheme::fileIcon(path).pixmap(StarSize);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

QString starName(StarRating::Star star)
{
    static const char *const names[] = {"fullStar", "halfStar", "emptyStar"};
    return QLatin1String(names[star]);
}

} // namespace

RatingWidget::RatingWidget(double score, QWidget *parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(2);
    setScore(score);
}

void RatingWidget::setScore(double score)
{
    m_score = score;
    clear();
    const QList<StarRating::Star> stars = StarRating::stars(score, StarRating::FromOneStar);
    if (stars.isEmpty()) {
        auto text = new LLabel(tr("暂无评分"), this);
        text->setObjectName(QStringLiteral("noRating"));
        text->setForegroundRole(LPalette::TextTips);
        m_layout->addWidget(text);
    }
    for (const StarRating::Star star : stars) {
        auto label = new QLabel(this);
        label->setObjectName(starName(star));
        label->setFixedSize(StarSize);
        label->setPixmap(starPixmap(star));
        m_layout->addWidget(label);
    }
    m_layout->addStretch();
}

void RatingWidget::clear()
{
    while (QLayoutItem *item = m_layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}
