#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Prints every run as Google Benchmark does and keeps each one's time per iteration, so a program can
// print, after all runs, how a naive reference compares with the editor's code measured in the same run.
// A benchmark repeated with FastestRepetition's statistic is kept by its fastest repetition (what the
// code costs when nothing else on the machine gets in its way), under the name it was registered with.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    static constexpr const char *Fastest = "fastest";

    // The statistic to give a repeated benchmark: its fastest repetition.
    static double FastestRepetition(const std::vector<double> &times)
    {
        return times.empty() ? 0.0 : *std::min_element(times.begin(), times.end());
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
            } else if (run.aggregate_name == Fastest) {
                seconds_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }

    // "label   12.3x": the time of `slower` divided by the time of `faster`.
    void printRatio(const std::string &label, const std::string &slower, const std::string &faster) const
    {
        const auto slow = seconds_.find(slower);
        const auto fast = seconds_.find(faster);
        if (slow != seconds_.end() && fast != seconds_.end()) {
            std::printf("  %-32s %8.2fx\n", label.c_str(), slow->second / fast->second);
        }
    }

private:
    std::map<std::string, double> seconds_;
};
