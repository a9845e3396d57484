#pragma once
// The jobs that tests/print/with_cups.sh keeps: JOBDIR/job-ID.pdf, each the
// data of one job as the client sent it, whole once it is there.
#include <chrono>
#include <optional>

#include <QString>
#include <QStringList>

namespace print_jobs {

// The queue and the job folder that with_cups.sh gives its command; empty
// when the program was not started through it.
QString testPrinter();
QString jobFolder();

// The kept jobs' files, oldest job first.
QStringList keptJobs(const QString& folder);

// The first job that is not in `before`, once it is there; nothing when none
// came within `timeout`.
std::optional<QString> waitForNewJob(const QString& folder, const QStringList& before,
                                     std::chrono::milliseconds timeout);

}  // namespace print_jobs
