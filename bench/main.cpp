// kalvenor-bench: Google Benchmark's usual command line; after the run, the speed-up of the
// computer's choice over the reference (CPU time) at every dimension where both were measured.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "bench/registration.h"

namespace {

// Prints as the console reporter does and keeps each benchmark's CPU time per iteration (seconds):
// on a shared machine the CPU time is the fairer figure for a single-threaded computation.
class RecordingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
                seconds_[run.run_name.function_name] =
                    run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }

    // The reference's time per cell extrapolated to every Empty cell stands in for a choice that
    // is too slow to run whole.
    void printSpeedUps() const {
        for (const auto& [name, seconds] : seconds_) {
            const std::string referenceName = "reference_" + name;
            const auto reference = seconds_.find(referenceName);
            if (name.rfind("choose_", 0) != 0 || reference == seconds_.end() || seconds <= 0) {
                continue;
            }
            std::printf("speed-up %-18s %12.0fx  (reference %.3f s, engine %.6f s)\n", name.c_str(),
                        reference->second / seconds, reference->second, seconds);
        }
    }

  private:
    std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    kalvenor::bench::PositionCache positions;
    kalvenor::bench::registerEngineBenchmarks(positions);
    kalvenor::bench::registerReferenceBenchmarks(positions);
    kalvenor::bench::registerViewBenchmarks(positions);
    kalvenor::bench::registerTurnBenchmarks(positions);
    kalvenor::bench::registerDenseBenchmarks();
    kalvenor::bench::registerKeepBenchmarks();
    kalvenor::bench::registerLoadBenchmarks();
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSpeedUps();
    benchmark::Shutdown();
    return 0;
}
