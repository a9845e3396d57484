#pragma once
// The random source of a session: a 64-bit Mersenne Twister, whose output the
// C++ standard fixes, with small helpers that do not depend on the standard
// library's distributions, so that a seed replays the same session anywhere.
#include <cstdint>
#include <random>
#include <vector>

namespace random_session {

class SessionRandom {
public:
    explicit SessionRandom(std::uint64_t seed) : engine_(seed) {}

    std::uint64_t next() { return engine_(); }
    // 0 .. n-1; n must be positive.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    // lo .. hi, both included.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    // true with probability percent / 100.
    bool percent(int percent) { return below(100) < percent; }
    // [0, 1)
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))]; }

    // An index into `weights`, each chosen in proportion to its weight.
    int weighted(const std::vector<int>& weights)
    {
        int total = 0;
        for (int w : weights) total += w;
        int r = below(total);
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (r < weights[i]) return static_cast<int>(i);
            r -= weights[i];
        }
        return static_cast<int>(weights.size()) - 1;
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace random_session
