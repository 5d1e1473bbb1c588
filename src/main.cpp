#include "lapplication.h"
#include "lapplicationsettings.h"
#include "wineapplication.h"

int main(int argc, char *argv[])
{
    LApplication app(argc, argv);
    WineApplication *controller = WineApplication::instance();
    if (controller->create() != 0)
        return -1;
    if (controller->init() != 0)
        return -2;
    LApplicationSettings toolkitSettings;
    controller->run();
    return controller->shutdown();
}
