// Linked into every test program: before main() runs, the program gets a
// throw-away home and XDG directories, also when it is started by hand
// outside run-isolated.sh, which sets LWA_TEST_SANDBOX itself. No test may
// read or change the user's own files (~/.quennet, the menu entries, the
// settings, the bottles) or talk to the user's session.

#include "isolatedhome.h"

#include <QFile>
#include <QtGlobal>

#include <memory>

namespace {

class TestSandbox
{
public:
    TestSandbox()
    {
        if (qEnvironmentVariableIsSet("LWA_TEST_SANDBOX"))
            return;
        m_home = std::make_unique<IsolatedHome>();
        qputenv("LWA_TEST_SANDBOX", QFile::encodeName(m_home->path()));
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
