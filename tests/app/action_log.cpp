#include "action_log.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace random_session {

void ActionLog::begin(long index, const QString& text)
{
    flush();
    std::lock_guard lock(mutex_);
    echoed_ = false;
    entries_.push_back(QStringLiteral("#%1 %2").arg(index).arg(text));
    while (entries_.size() > keep_) entries_.pop_front();
}

void ActionLog::note(const QString& text)
{
    std::lock_guard lock(mutex_);
    if (entries_.empty()) entries_.emplace_back();
    entries_.back() += QStringLiteral("\n      ") + text;
}

void ActionLog::flush()
{
    std::lock_guard lock(mutex_);
    if (!echo_ || echoed_ || entries_.empty()) return;
    std::fprintf(stdout, "  %s\n", entries_.back().toUtf8().constData());
    echoed_ = true;
}

QString ActionLog::lastActions() const
{
    std::lock_guard lock(mutex_);
    QString out;
    for (const QString& entry : entries_) out += QStringLiteral("  ") + entry + QLatin1Char('\n');
    return out;
}

Watchdog::Watchdog(const ActionLog& log, int boundSeconds)
    : log_(log), boundSeconds_(boundSeconds), thread_([this] { watch(); })
{
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_all();
    thread_.join();
}

void Watchdog::setHeader(const QString& header)
{
    std::lock_guard lock(mutex_);
    header_ = header;
}

void Watchdog::watch()
{
    using Clock = std::chrono::steady_clock;
    std::uint64_t seen = progress_.load();
    Clock::time_point since = Clock::now();
    std::unique_lock lock(mutex_);
    while (!stop_.wait_for(lock, std::chrono::milliseconds(200), [this] { return stopping_; })) {
        const std::uint64_t now = progress_.load();
        if (now != seen) {
            seen = now;
            since = Clock::now();
            continue;
        }
        if (Clock::now() - since < std::chrono::seconds(boundSeconds_)) continue;
        std::fprintf(stderr, "\nFAIL: the random session made no progress for %d s (a hang).\n%s\nLast actions:\n%s\n",
                     boundSeconds_, header_.toUtf8().constData(), log_.lastActions().toUtf8().constData());
        std::fflush(stderr);
        std::_Exit(3);
    }
}

}  // namespace random_session
