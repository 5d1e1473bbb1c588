#ifndef APPINFOVECTOR_H
#define APPINFOVECTOR_H

#include "tpublishedappinfo.h"

#include <QVector>

// The published versions of one catalogue application, best-rated first.
using Vector = QVector<TPublishedAppInfo>;

#endif // APPINFOVECTOR_H
