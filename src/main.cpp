#include "lapplication.h"
#include "wineapplication.h"
#include "winecommandline.h"

int main(int argc, char *argv[])
{
    // --help, --version and the script commands never show a window: they
    // must work where there is no display, such as over SSH.
    if (WineCommandLine::runsWithoutWindow(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    LApplication app(argc, argv);
    return runAssistant();
}
