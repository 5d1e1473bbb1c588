#ifndef TASKRUNNER_H
#define TASKRUNNER_H

class TaskInterface;

// Starts the task and waits until its end status has been delivered; returns
// that status, or 0 when none came within the time.
int runTaskToEnd(TaskInterface &task, int timeoutMs = 120000);

#endif // TASKRUNNER_H
