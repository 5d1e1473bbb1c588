#ifndef TESTISOLATION_H
#define TESTISOLATION_H

// Test programs started by hand run themselves again through
// run-isolated.sh: a temporary home and XDG directories and, with dbus, a
// private session bus, before anything reads the home or joins a bus.
namespace TestIsolation {

// Returns only when already isolated; otherwise replaces the process.
void ensure(int argc, char *argv[], bool dbus);

} // namespace TestIsolation

#endif // TESTISOLATION_H
