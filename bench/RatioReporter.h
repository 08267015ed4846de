#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// Keeps the console table and remembers each run's real and CPU time per iteration and its
// counters, so a program can print how its cases compare with their peers after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                realTimes_[run.benchmark_name()] = run.GetAdjustedRealTime();
                cpuTimes_[run.benchmark_name()] = run.GetAdjustedCPUTime();
                counters_[run.benchmark_name()] = run.counters;
            }
        }
    }

    // Time per iteration of one run over another's, real or CPU; 0 when either did not run.
    double ratio(const std::string& ours, const std::string& peer, bool cpu = false) const
    {
        const std::map<std::string, double>& times = cpu ? cpuTimes_ : realTimes_;
        auto mine = times.find(ours);
        auto theirs = times.find(peer);
        if (mine == times.end() || theirs == times.end() || theirs->second <= 0.0)
            return 0.0;
        return mine->second / theirs->second;
    }
    // CPU or real time per iteration of a run in its time unit; 0 when it did not run.
    double cpuTime(const std::string& name) const { return timeOf(cpuTimes_, name); }
    double realTime(const std::string& name) const { return timeOf(realTimes_, name); }
    // A counter a run set; 0 when it did not run or set none of that name.
    double counter(const std::string& name, const std::string& key) const
    {
        auto run = counters_.find(name);
        if (run == counters_.end())
            return 0.0;
        auto found = run->second.find(key);
        return found == run->second.end() ? 0.0 : found->second.value;
    }

private:
    static double timeOf(const std::map<std::string, double>& times, const std::string& name)
    {
        auto found = times.find(name);
        return found == times.end() ? 0.0 : found->second;
    }

    std::map<std::string, double> realTimes_;
    std::map<std::string, double> cpuTimes_;
    std::map<std::string, benchmark::UserCounters> counters_;
};

// A benchmark program's main: runs the cases it was asked for through the reporter, then lets the
// program print its ratios from what the reporter kept.
inline int runBenchmarks(int argc, char** argv, const std::function<void(const RatioReporter&)>& printRatios)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
