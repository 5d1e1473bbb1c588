#ifndef WINEAPPLICATION_H
#define WINEAPPLICATION_H

#include <QObject>

class WineApplication : public QObject
{
    Q_OBJECT
public:
    static WineApplication *instance();
};

#endif // WINEAPPLICATION_H
