#include "lapplication.h"
#include "wineapplication.h"

int main(int argc, char *argv[])
{
    LApplication app(argc, argv);
    return runAssistant();
}
