#ifndef CATALOGUEREPLY_H
#define CATALOGUEREPLY_H

#include "tpublishedappinfo.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

/*
 * Reading the catalogue service's replies, shared by its request classes:
 * every reply is a JSON object whose payload is the member "data".
 */
namespace CatalogueReply {

// The reply text as a JSON object; an empty object (and a debug line
// "String NULL") when the text is not a JSON object.
QJsonObject QstringToJson(const QString &text);

// An application object of an application list, as a catalogue record.
TPublishedAppInfo appFromJson(const QJsonObject &app);
// Every application of a list reply's "data", in order.
QList<TPublishedAppInfo> appsFromReply(const QJsonObject &reply);
// The applications of a list reply's text, in order; none when the reply
// holds no list. Touches nothing but its argument: safe on any thread.
std::optional<QList<TPublishedAppInfo>> appListFromText(const QString &text);
// The service's default configuration from its reply's "data".
TPublishedAppInfo defaultConfigFromReply(const QJsonObject &reply);

// A value for a request's query, percent-encoded so that "&", "+", "#" and
// the like reach the service as they are.
QString queryValue(const QString &value);

} // namespace CatalogueReply

#endif // CATALOGUEREPLY_H
