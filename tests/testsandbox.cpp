// Linked into every test program: before main() runs, the program gets a
// throw-away home and XDG directories, also when it is started by hand
// outside run-isolated.sh (which sets LWA_TEST_ISOLATED). No test may read
// or change the user's own files (~/.quennet, the menu entries, the
// settings, the bottles) or talk to the user's session. Programs that need
// a private bus or X server re-run themselves through run-isolated.sh
// (TestIsolation::ensure) once main() runs.

#include "isolatedhome.h"

#include <QtGlobal>

#include <memory>

namespace {

class TestSandbox
{
public:
    TestSandbox()
    {
        // The tests make the bottle templates they need; a program under test
        // must not start making them in the background.
        qputenv("LWA_NO_TEMPLATE_PREPARATION", "1");
        if (qEnvironmentVariableIsSet("LWA_TEST_ISOLATED"))
            return;
        m_home = std::make_unique<IsolatedHome>();
        qunsetenv("WINEPREFIX");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

private:
    std::unique_ptr<IsolatedHome> m_home;
};

const TestSandbox sandbox;

} // namespace
