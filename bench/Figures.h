#pragma once
// How every benchmark prints a figure, one line "<operation> <size> <value> <unit>", or a
// comparison with a peer measured in the same run, "ratio <operation> <size> <value>"; and
// what it measures with: the median of runs, the memory held now and at its peak, the
// processor time.

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace bench {

// The size printed on every line (the number of concepts, usually).
inline QString &size()
{
    static QString s;
    return s;
}

inline void figure(const QString &operation, double value, const char *unit)
{
    std::printf("%s %s %.4g %s\n", qPrintable(operation), qPrintable(size()), value, unit);
    std::fflush(stdout);
}

inline void ratio(const QString &operation, double value)
{
    std::printf("ratio %s %s %.3g\n", qPrintable(operation), qPrintable(size()), value);
    std::fflush(stdout);
}

inline double ms(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

inline double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// What the process holds now, not its peak.
inline double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

// Processor time the process has used so far (user and system), in seconds: on a machine
// shared with other work, rates per processor second stay comparable where wall time
// does not.
inline double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto s = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return s(usage.ru_utime) + s(usage.ru_stime);
}

// The sizes given on the command line, or the defaults when none is.
inline std::vector<int> sizesFromArguments(int argc, char **argv, std::vector<int> defaults)
{
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(QString::fromLocal8Bit(argv[i]).toInt());
    return sizes.empty() ? defaults : sizes;
}

}  // namespace bench
