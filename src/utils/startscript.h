#ifndef STARTSCRIPT_H
#define STARTSCRIPT_H

#include <QString>

// The start script (files/run.sh) that a prepared bottle brings along.
namespace StartScript {

// Points the bottle's start script at this bottle, this machine's helper
// and Wine. Does nothing when the bottle has no start script.
void adapt(const QString &bottlePath);

} // namespace StartScript

#endif // STARTSCRIPT_H
