#include "starrating.h"

#include <QtGlobal>

#include <cmath>

namespace {

// How close the fraction must be to one half to draw a half star.
constexpr double HalfTolerance = 0.001;

} // namespace

QList<StarRating::Star> StarRating::stars(double score, double ratedFrom)
{
    if (!(score >= ratedFrom))
        return {};
    const double bounded = qBound(0.0, score, double(MaxStars));
    const int whole = int(bounded);
    QList<Star> result;
    for (int i = 0; i < whole; ++i)
        result.append(Full);
    if (std::fabs(bounded - whole - 0.5) <= HalfTolerance)
        result.append(Half);
    while (result.size() < MaxStars)
        result.append(Empty);
    return result;
}

QString StarRating::fileName(Star star)
{
    static const char *const files[] = {"greenstar.svg", "green_graystar.svg", "graystar.svg"};
    return QLatin1String(files[star]);
}
