#ifndef TASKRUNNER_H
#define TASKRUNNER_H

class TaskInterface;

// Starts the task and waits until its end status has been delivered; returns
// that status, or 0 when none came within the time.
int runTaskToEnd(TaskInterface &task, int timeoutMs = 120000);

// Cancels the running task; true when its thread ended within a second with
// the cancelled result and text. Says what went wrong otherwise.
bool cancelsPromptly(TaskInterface &task);

#endif // TASKRUNNER_H
