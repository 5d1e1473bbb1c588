#include "testisolation.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

void TestIsolation::ensure(int argc, char *argv[], bool dbus, bool xvfb)
{
    if (std::getenv("LWA_TEST_ISOLATED"))
        return;
    static char wrapper[] = LWA_SOURCE_DIR "/tests/run-isolated.sh";
    static char dbusOption[] = "--dbus";
    static char xvfbOption[] = "--xvfb";
    static char separator[] = "--";
    std::vector<char *> command{wrapper};
    if (dbus)
        command.push_back(dbusOption);
    if (xvfb)
        command.push_back(xvfbOption);
    command.push_back(separator);
    for (int i = 0; i < argc; ++i)
        command.push_back(argv[i]);
    command.push_back(nullptr);
    execv(wrapper, command.data());
    std::perror("run-isolated.sh");
    std::exit(2);
}
