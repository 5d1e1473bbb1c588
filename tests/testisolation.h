#ifndef TESTISOLATION_H
#define TESTISOLATION_H

// Test programs started by hand run themselves again through
// run-isolated.sh: a temporary home and XDG directories and, with dbus, a
// private session bus, with xvfb a private X server instead of the offscreen
// platform, before anything reads the home or joins a bus.
namespace TestIsolation {

// Returns only when already isolated; otherwise replaces the process.
void ensure(int argc, char *argv[], bool dbus, bool xvfb = false);

} // namespace TestIsolation

#endif // TESTISOLATION_H
