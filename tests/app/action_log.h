#pragma once
// The last actions of a random session, to print when it fails, and a
// watchdog thread that prints them and ends the process when one action has
// not finished within its bound: a hang fails the test instead of blocking it.
#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

namespace random_session {

class ActionLog {
public:
    explicit ActionLog(std::size_t keep = 40) : keep_(keep) {}

    // Starts the entry of action `index`.
    void begin(long index, const QString& text);
    // Adds a line to the current entry (a box and its answer, a check).
    void note(const QString& text);
    // The kept entries, oldest first.
    QString lastActions() const;
    // Prints every entry to standard output once it is complete.
    void setEcho(bool echo) { echo_ = echo; }
    void flush();

private:
    std::size_t keep_;
    mutable std::mutex mutex_;
    std::deque<QString> entries_;
    bool echo_ = false;
    bool echoed_ = true;  // the newest entry has been printed
};

class Watchdog {
public:
    // Ends the process (exit code 3) when `progress` stays the same for
    // `boundSeconds`, after printing `header` and the log.
    Watchdog(const ActionLog& log, int boundSeconds);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void setHeader(const QString& header);
    void tick() { progress_.fetch_add(1, std::memory_order_relaxed); }

private:
    void watch();

    const ActionLog& log_;
    int boundSeconds_;
    std::atomic<std::uint64_t> progress_{0};
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    QString header_;
    std::thread thread_;
};

}  // namespace random_session
