#pragma once
// What the print service (CUPS) says of a print queue, asked at the moment of
// the call: whether a report sent there can reach paper, and whether the
// print service took the last job handed to it.
#include <QString>

class QPrinter;

namespace app {

enum class QueueState {
    Ready,         // the queue exists, is not stopped and accepts jobs
    Missing,       // no such queue (removed, or the service is not there)
    Stopped,       // printer-state is stopped: jobs would wait, not print
    NotAccepting,  // printer-is-accepting-jobs is false: jobs are refused
};

// The state of the queue `name` ("queue" or "queue/instance").
QueueState queueState(const QString& name);

// True when `printer` sends its output to a print queue rather than into a
// file; only such output is checked with the print service.
bool printsToQueue(const QPrinter& printer);

// True when the last request this thread made of the print service succeeded:
// right after a job was handed over, whether the service accepted it.
bool lastPrintRequestSucceeded();

}  // namespace app
