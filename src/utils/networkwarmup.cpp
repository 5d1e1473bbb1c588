#include "networkwarmup.h"

#include <QNetworkConfigurationManager>
#include <QThreadPool>

void NetworkWarmUp::start()
{
    // Making a manager is all it takes; the list it fills outlives it. The
    // class is deprecated, but every access manager of Qt 5 still makes one.
    QThreadPool::globalInstance()->start([] {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QNetworkConfigurationManager manager;
        QT_WARNING_POP
    });
}
