#ifndef SAMPLEINSTALLEDAPPS_H
#define SAMPLEINSTALLEDAPPS_H

// Three installed applications (one from the catalogue, two local programs)
// written into the installed-apps file of the current home, with their
// bottle folders: what the main window's screenshots and the start-up
// benchmark show.
namespace SampleInstalledApps {

void write();

} // namespace SampleInstalledApps

#endif // SAMPLEINSTALLEDAPPS_H
