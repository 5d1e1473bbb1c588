// Built with every object of the engine library and without Qt Widgets: the
// link fails as soon as anything in src/utils needs a widget.

#include "installinfo.h"
#include "winesettings.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    InstallInfo task;
    return WineSettings::instance()->fileName().isEmpty() ? 1 : 0;
}
