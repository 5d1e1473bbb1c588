#ifndef NETWORKWARMUP_H
#define NETWORKWARMUP_H

/*
 * The first network access manager of a process sets up the process-wide
 * list of network configurations, loading the bearer plugins: a block of
 * the GUI thread just when the catalogue is requested after the first
 * paint. Qt builds that list safely from any thread, so it is built on a
 * worker thread while the window is still being made.
 */
namespace NetworkWarmUp {

// Starts the set-up on a worker thread; returns at once.
void start();

} // namespace NetworkWarmUp

#endif // NETWORKWARMUP_H
