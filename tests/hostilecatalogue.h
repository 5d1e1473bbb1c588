#ifndef HOSTILECATALOGUE_H
#define HOSTILECATALOGUE_H

#include <QJsonObject>
#include <QString>

/*
 * Catalogue texts that a hostile network could send: markup, pictures from
 * local paths and from /dev/zero, links and a 100 KB string.
 */
namespace HostileCatalogue {

extern const QString Bold;
extern const QString LocalImage;
extern const QString EndlessImages;
extern const QString Link;
extern const QString Huge;

// A catalogue ("apps") of two names made of these texts, one with two versions.
QJsonObject catalogue();

} // namespace HostileCatalogue

#endif // HOSTILECATALOGUE_H
