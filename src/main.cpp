#include "lapplication.h"
#include "wineapplication.h"
#include "winecommandline.h"

int main(int argc, char *argv[])
{
    // --help and --version only print: they must work where there is no
    // display, such as a terminal without a desktop session.
    if (WineCommandLine::asksForInformation(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    LApplication app(argc, argv);
    return runAssistant();
}
