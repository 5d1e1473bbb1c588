#include "hostilecatalogue.h"

#include <QJsonArray>

namespace HostileCatalogue {

const QString Bold = QStringLiteral("<b>Evil</b>");
const QString LocalImage = QStringLiteral("<img src=\"/usr/share/pixmaps/debian-logo.png\">");
const QString EndlessImages = QStringLiteral("<img src=/dev/zero?x>").repeated(4);
const QString Link = QStringLiteral("<a href=\"http://127.0.0.1:1/\">link</a>");
const QString Huge = QStringLiteral("<i>") + QString(100 * 1024, QLatin1Char('H'));

QJsonObject catalogue()
{
    const QJsonObject author{{"username", Link}, {"avatar", "/files/none.png"}};
    const auto app = [&author](int id, const QString &name, const QString &version, double score,
                               const QString &created) {
        return QJsonObject{{"id", id},
                           {"name", name},
                           {"version", version},
                           {"score", score},
                           {"category_id", 1},
                           {"created_at", created},
                           {"author_info", id < 3 ? author : QJsonObject()}};
    };
    return {{"apps", QJsonArray{app(1, Bold, LocalImage, 4.0, EndlessImages),
                                app(2, Bold, Link, 3.0, Huge), app(3, Huge, Huge, 1.0, Bold)}}};
}

} // namespace HostileCatalogue
