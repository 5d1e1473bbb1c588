#ifndef STARRATING_H
#define STARRATING_H

#include <QList>
#include <QString>

#include <limits>

/*
 * The one rule from a catalogue score to the five stars every page shows:
 * the whole part in full stars, a half star when the rest is one half (to
 * within a thousandth), empty stars up to five. Scores above five show five
 * full stars. Where a page has nothing to show for a low score, it says so
 * with `ratedFrom`.
 */
namespace StarRating {

enum Star { Full, Half, Empty };

constexpr int MaxStars = 5;
// The catalogue's ratings start at one whole star; below that a page shows
// that there is no rating yet.
constexpr double FromOneStar = 1.0;
// Every score shows five stars; negative ones five empty stars.
constexpr double Always = -std::numeric_limits<double>::infinity();

// The stars of a score, or none when it is below ratedFrom or not a number.
QList<Star> stars(double score, double ratedFrom);

// The picture of a star among the program's own icons ("greenstar.svg", ...).
QString fileName(Star star);

} // namespace StarRating

#endif // STARRATING_H
