#pragma once
// What the benchmarks share: the size every figure line names, the line itself
// ("<operation> <size> <value> <unit>"), medians, wall time and the peak memory.

#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace bench {

inline QString size;  // printed on every line

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

inline void figure(const QString &operation, double value, const char *unit)
{
    std::printf("%s %s %.4g %s\n", qPrintable(operation), qPrintable(size), value, unit);
    std::fflush(stdout);
}

inline void ratio(const QString &operation, double value)
{
    std::printf("ratio %s %s %.3g\n", qPrintable(operation), qPrintable(size), value);
    std::fflush(stdout);
}

inline double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

inline double ms(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }

}  // namespace bench
