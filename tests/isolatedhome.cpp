// Linked into every test program: before main() runs, the program gets a
// throw-away home and XDG directories, also when it is started by hand
// outside run-isolated.sh. No test may read or change the user's own files
// (~/.quennet, ~/.local/share/applications, the settings, the bottles).

#include <cstdio>
#include <cstdlib>
#include <ftw.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int removeEntry(const char *path, const struct stat *, int, struct FTW *)
{
    return ::remove(path);
}

class IsolatedHome
{
public:
    IsolatedHome()
    {
        // run-isolated.sh has made one already.
        if (std::getenv("LWA_TEST_SANDBOX"))
            return;
        const char *tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/lwa-home.XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            std::perror("cannot create a temporary home");
            std::_Exit(2);
        }
        m_root = pattern;
        const std::string home = m_root + "/home";
        for (const char *dir : {"/home", "/home/Desktop", "/home/.config", "/home/.local",
                                "/home/.local/share", "/home/.local/state", "/home/.cache"})
            ::mkdir((m_root + dir).c_str(), 0755);
        ::mkdir((m_root + "/runtime").c_str(), 0700);
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
        ::setenv("XDG_STATE_HOME", (home + "/.local/state").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (m_root + "/runtime").c_str(), 1);
        ::setenv("LWA_TEST_SANDBOX", m_root.c_str(), 1);
        // Nothing of the user's session: no Wine prefix, no session bus, no
        // windows on the user's screen.
        ::unsetenv("WINEPREFIX");
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }

    ~IsolatedHome()
    {
        if (!m_root.empty())
            ::nftw(m_root.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    }

private:
    std::string m_root;
};

const IsolatedHome isolatedHome;

} // namespace
