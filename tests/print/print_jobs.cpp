#include "tests/print/print_jobs.h"

#include <algorithm>
#include <thread>

#include <QDir>
#include <QRegularExpression>

namespace print_jobs {

QString testPrinter()
{
    return qEnvironmentVariable("BLOWCOUNT_TEST_PRINTER");
}

QString jobFolder()
{
    return qEnvironmentVariable("BLOWCOUNT_TEST_PRINT_JOBS");
}

QStringList keptJobs(const QString& folder)
{
    static const QRegularExpression name(QStringLiteral(R"(^job-(\d+)\.pdf$)"));
    QStringList jobs = QDir(folder).entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
    const auto id = [](const QString& file) { return name.match(file).captured(1).toLongLong(); };
    jobs.removeIf([](const QString& file) { return !name.match(file).hasMatch(); });
    std::sort(jobs.begin(), jobs.end(), [&](const QString& a, const QString& b) { return id(a) < id(b); });
    for (QString& job : jobs) job = QDir(folder).filePath(job);
    return jobs;
}

std::optional<QString> waitForNewJob(const QString& folder, const QStringList& before,
                                     std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        for (const QString& job : keptJobs(folder))
            if (!before.contains(job)) return job;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

}  // namespace print_jobs
