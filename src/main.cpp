#include "wineapplication.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    WineApplication::instance();
    return 0;
}
