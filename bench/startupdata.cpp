// Prepares the home of a start-up run, outside the timed start: three
// installed applications in the installed-apps file and the catalogue
// service's address in the settings. Run it with HOME pointing at that home:
//   lwa_bench_startupdata SERVICE-URL

#include "sampleinstalledapps.h"
#include "winesettings.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("lirvan"));
    QCoreApplication::setApplicationName(QStringLiteral("lirvan-wine-assist"));
    if (argc < 2)
        return 2;
    WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"),
                                       QString::fromLocal8Bit(argv[1]));
    WineSettings::instance()->sync();
    SampleInstalledApps::write();
    return WineSettings::instance()->status() == QSettings::NoError ? 0 : 1;
}
