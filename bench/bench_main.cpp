// quorbals-bench-core: the rules core's benchmarks. Besides the usual table
// it prints, per board set, the route search's time per query against the
// flood fill's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>
#include <string>

#include <unistd.h>

#include "bench/bench_registry.h"

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration) {
                continue;
            }
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            if (slash == std::string::npos) {
                continue;
            }
            const std::string kind = name.substr(0, slash);
            std::string set = name.substr(slash + 1);
            set = set.substr(0, set.find('/'));  // drop any run-time suffix
            const auto queries = run.counters.find("queries");
            if ((kind != "FindPath" && kind != "FloodFill") || queries == run.counters.end()) {
                continue;
            }
            // Both are registered in microseconds; keep nanoseconds per query.
            const double perQuery = run.GetAdjustedCPUTime() * 1000.0 / queries->second.value;
            auto& slot = kind == "FindPath" ? findPath_[set] : floodFill_[set];
            slot = slot == 0 ? perQuery : std::min(slot, perQuery);
        }
    }

    void Finalize() override {
        std::string text = "\nFindPath against a BFS flood fill, CPU time per query:\n";
        char line[160];
        for (const auto& [set, path] : findPath_) {
            const auto flood = floodFill_.find(set);
            if (flood == floodFill_.end() || flood->second <= 0) {
                continue;
            }
            std::snprintf(line, sizeof line,
                          "  %-10s FindPath %8.1f ns   flood fill %8.1f ns   ratio %5.2f\n",
                          set.c_str(), path, flood->second, path / flood->second);
            text += line;
        }
        GetOutputStream() << text;
        GetOutputStream().flush();
    }

private:
    std::map<std::string, double> findPath_;
    std::map<std::string, double> floodFill_;
};

}  // namespace

int main(int argc, char** argv) {
    quorbals::bench::RegisterPathBenchmarks();
    quorbals::bench::RegisterRulesBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    // Colours only on a terminal, so piped output stays plain text.
    const auto options = static_cast<benchmark::ConsoleReporter::OutputOptions>(
        benchmark::ConsoleReporter::OO_Tabular |
        (isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Color : 0));
    RatioReporter reporter(options);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
