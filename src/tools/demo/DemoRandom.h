#pragma once

#include <QtGlobal>
#include <vector>

namespace kv::demo {

// A small deterministic random source (SplitMix64). The standard library's
// distributions may differ between library versions; the demonstration data
// must come out the same on every build machine for the same build date.
class DemoRandom {
public:
    // One stream per purpose, so that a change in how costs are drawn does not
    // reshuffle the trips.
    static DemoRandom stream(const char* purpose) {
        quint64 h = 1469598103934665603ULL; // FNV-1a of the purpose
        for (const char* p = purpose; *p; ++p)
            h = (h ^ static_cast<unsigned char>(*p)) * 1099511628211ULL;
        return DemoRandom(h ^ kSeed);
    }

    quint64 next() {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi].
    int between(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<quint64>(hi - lo + 1));
    }
    // Uniform in [lo, hi).
    double real(double lo, double hi) {
        return lo + (hi - lo) * static_cast<double>(next() >> 11) * 0x1.0p-53;
    }
    bool chance(double p) { return real(0, 1) < p; }
    template <class T> const T& pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(between(0, static_cast<int>(items.size()) - 1))];
    }

private:
    static constexpr quint64 kSeed = 20071114;
    explicit DemoRandom(quint64 state) : m_state(state) {}
    quint64 m_state;
};

} // namespace kv::demo
