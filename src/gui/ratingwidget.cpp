#include "ratingwidget.h"

#include "licontheme.h"
#include "llabel.h"

#include <QHBoxLayout>
#include <QPixmapCache>
#include <QtMath>

namespace {

constexpr int MaxStars = 5;
constexpr QSize StarSize(12, 11);
// How close the fraction must be to one half to draw a half star.
constexpr double HalfTolerance = 0.001;

QPixmap starPixmap(RatingWidget::Star star)
{
    static const char *const files[] = {"greenstar.svg", "green_graystar.svg", "graystar.svg"};
    const QString path = LIconTheme::builtinPrefix() + QLatin1String(files[star]);
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap = QIcon(path).pixmap(StarSize);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

QString starName(RatingWidget::Star star)
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

QList<RatingWidget::Star> RatingWidget::starsFor(double score)
{
    const int full = int(score);
    if (full < 1)
        return {};
    QList<Star> stars;
    for (int i = 0; i < full && stars.size() < MaxStars; ++i)
        stars.append(FullStar);
    if (qAbs(score - full - 0.5) <= HalfTolerance && stars.size() < MaxStars)
        stars.append(HalfStar);
    while (stars.size() < MaxStars)
        stars.append(EmptyStar);
    return stars;
}

void RatingWidget::setScore(double score)
{
    m_score = score;
    clear();
    const QList<Star> stars = starsFor(score);
    if (stars.isEmpty()) {
        auto text = new LLabel(tr("暂无评分"), this);
        text->setObjectName(QStringLiteral("noRating"));
        text->setForegroundRole(LPalette::TextTips);
        m_layout->addWidget(text);
    }
    for (const Star star : stars) {
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
