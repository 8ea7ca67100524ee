// Speed of the file-set operations on real files: copying a set whose program
// is 200 MB against "cp" of the same files (goal: at most 1.3 times as long),
// a move within one drive, which renames and so takes next to no time, and a
// move across drives, which flushes its copies before the sources go and is
// set against "cp" followed by "sync".
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

#include "core/common/State.h"
#include "core/exchange/FileSet.h"
#include "support/Sandbox.h"

namespace {

// Every target is replaced without asking.
qv::AskFunction Yes() {
    return [](const std::string&) { return true; };
}

constexpr std::int64_t kProgramBytes = 200LL * 1024 * 1024;
const char* const kNames[] = {"BIG.prg", "BIG.drw", "BIG.inf"};

// Drives C: and D: in a sandbox with the set in C:\M1\SRC\, made once.
struct Bench : qv::test::Sandbox {

    Bench() : Sandbox({{'C'}, {'D'}}) {
        for (const char* folder : {"SRC", "DST", "CP", "MOVED"}) makeFolder("C:\\M1\\" + std::string(folder));
        makeFolder("D:\\M1\\OUT");
        qv::State().Mach.MachineFolder = "M1";
        std::ofstream program(hostFile("SRC", "BIG.prg"), std::ios::binary);
        std::string block(1 << 20, '\0');
        for (std::int64_t written = 0; written < kProgramBytes; written += static_cast<std::int64_t>(block.size())) {
            for (std::size_t i = 0; i < block.size(); i += 4096) block[i] = static_cast<char>(written / 4096 + i);
            program.write(block.data(), static_cast<std::streamsize>(block.size()));
        }
        write("C:\\M1\\SRC\\BIG.drw", std::string(64 * 1024, 'd'));
        write("C:\\M1\\SRC\\BIG.inf", std::string(2 * 1024, 'i'));
    }

    std::string hostFile(const std::string& folder, const std::string& name) const {
        return host("C:\\M1\\" + folder + "\\" + name);
    }
    void clear(const std::string& folder) const {
        for (const char* name : kNames) remove("C:\\M1\\" + folder + "\\" + name);
    }
};

Bench& World() {
    static Bench bench;
    return bench;
}

void BM_CopyFileSet(benchmark::State& state) {
    Bench& bench = World();
    for (auto _ : state) {
        state.PauseTiming();
        bench.clear("DST");
        state.ResumeTiming();
        if (qv::CopyFileSet("C:\\M1\\SRC\\", "BIG", "C:\\M1\\DST\\", "BIG", 3, Yes()).count() != 1)
            state.SkipWithError("the copy failed");
    }
    state.SetBytesProcessed(state.iterations() * kProgramBytes);
    bench.clear("DST");
}

// "cp" of the same files; with sync set, the copies are then flushed to the
// disc, as a move across drives does before it deletes its sources.
void CpReference(benchmark::State& state, bool sync) {
    Bench& bench = World();
    std::string command = "cp --";
    for (const char* name : kNames) command += " '" + bench.hostFile("SRC", name) + "'";
    command += " '" + bench.hostFile("CP", "") + "'";
    if (sync) {
        command += " && sync --";
        for (const char* name : kNames) command += " '" + bench.hostFile("CP", name) + "'";
    }
    for (auto _ : state) {
        state.PauseTiming();
        bench.clear("CP");
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
    }
    state.SetBytesProcessed(state.iterations() * kProgramBytes);
    bench.clear("CP");
}

void BM_CpReference(benchmark::State& state) { CpReference(state, false); }
void BM_CpSyncReference(benchmark::State& state) { CpReference(state, true); }

// Back and forth between two folders of the drive, so the set ends where it began.
void BM_MoveFileSetWithinDrive(benchmark::State& state) {
    bool there = false;
    for (auto _ : state) {
        const char* from = there ? "C:\\M1\\MOVED\\" : "C:\\M1\\SRC\\";
        const char* to = there ? "C:\\M1\\SRC\\" : "C:\\M1\\MOVED\\";
        if (qv::MoveFileSet(from, "BIG", to, "BIG", 3, Yes()).count() != 1) state.SkipWithError("the move failed");
        there = !there;
    }
    if (there) (void)qv::MoveFileSet("C:\\M1\\MOVED\\", "BIG", "C:\\M1\\SRC\\", "BIG", 3, Yes());
}

// Back and forth between the drives: a copy, a flush and a deletion each way.
void BM_MoveFileSetAcrossDrives(benchmark::State& state) {
    bool there = false;
    for (auto _ : state) {
        const char* from = there ? "D:\\M1\\OUT\\" : "C:\\M1\\SRC\\";
        const char* to = there ? "C:\\M1\\SRC\\" : "D:\\M1\\OUT\\";
        if (qv::MoveFileSet(from, "BIG", to, "BIG", 3, Yes()).count() != 1) state.SkipWithError("the move failed");
        there = !there;
    }
    state.SetBytesProcessed(state.iterations() * kProgramBytes);
    if (there) (void)qv::MoveFileSet("D:\\M1\\OUT\\", "BIG", "C:\\M1\\SRC\\", "BIG", 3, Yes());
}

BENCHMARK(BM_CpReference)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_CpSyncReference)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_CopyFileSet)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_MoveFileSetWithinDrive)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(200);
BENCHMARK(BM_MoveFileSetAcrossDrives)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);

// Keeps each benchmark's mean real time so the ratios can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred && run.iterations > 0)
                seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto mean = [&](const char* name) {
        auto it = reporter.seconds.find(name);
        return it == reporter.seconds.end() ? 0.0 : it->second;
    };
    const double cp = mean("BM_CpReference/iterations:5/real_time");
    const double cpSync = mean("BM_CpSyncReference/iterations:5/real_time");
    const double copy = mean("BM_CopyFileSet/iterations:5/real_time");
    const double move = mean("BM_MoveFileSetWithinDrive/iterations:200/real_time");
    const double across = mean("BM_MoveFileSetAcrossDrives/iterations:4/real_time");
    if (cp > 0 && copy > 0) std::printf("copy of a 200 MB set / cp: %.2f (goal at most 1.30)\n", copy / cp);
    if (cpSync > 0 && copy > 0) std::printf("copy of a 200 MB set / cp and sync: %.2f\n", copy / cpSync);
    if (cp > 0 && move > 0) std::printf("move within one drive / cp: %.5f (%.3f ms)\n", move / cp, move * 1000);
    if (cpSync > 0 && across > 0) std::printf("move across drives / cp and sync: %.2f\n", across / cpSync);
    benchmark::Shutdown();
    return 0;
}
