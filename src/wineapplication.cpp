#include "wineapplication.h"

WineApplication *WineApplication::instance()
{
    static WineApplication app;
    return &app;
}
