// Building the review records ("Reverse.rnd") of 1, 10 and 50 MB programs:
// the time, and the growth of the peak resident memory, which should stay
// flat in the program's size. Each peak is measured in a child process of its
// own, so one size's peak cannot hide another's.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "core/workstation/ReviewRecords.h"
#include "support/Sandbox.h"

namespace {

const int kSizesMb[] = {1, 10, 50};

std::string ProgramPath(int mb) { return "C:\\JOBS\\P" + std::to_string(mb) + ".prg"; }
const char* const kRecords = "C:\\JOBS\\Reverse.rnd";

// Punch blocks of a typical program, written a block at a time so that
// making them does not raise the peak.
struct Programs : qv::test::Sandbox {
    Programs() {
        makeFolder("C:\\JOBS");
        for (int mb : kSizesMb) {
            std::ofstream out(host(ProgramPath(mb)), std::ios::binary | std::ios::trunc);
            std::string block;
            for (std::int64_t i = 0, size = 0; size < mb * 1000000LL; ++i) {
                block += "N" + std::to_string(i) + " G90X" + std::to_string(i % 2500) + ".Y" +
                         std::to_string(i % 1250) + ".T" + std::to_string(i % 20) + "\r\n";
                if (block.size() < (1u << 16)) continue;
                size += static_cast<std::int64_t>(block.size());
                out << block;
                block.clear();
            }
        }
    }
};

Programs& World() {
    static Programs programs;
    return programs;
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Peak growth in kB while a child builds the records; -1 when it failed.
long PeakGrowthInChild(int mb) {
    int channel[2];
    if (pipe(channel) != 0) return -1;
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        const long before = PeakKilobytes();
        const bool written = qv::WriteReviewRecords(ProgramPath(mb), kRecords).ok();
        const long growth = written ? PeakKilobytes() - before : -1;
        const bool sent = write(channel[1], &growth, sizeof growth) == sizeof growth;
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    long growth = -1;
    if (pid < 0 || read(channel[0], &growth, sizeof growth) != sizeof growth) growth = -1;
    close(channel[0]);
    if (pid > 0) waitpid(pid, nullptr, 0);
    return growth;
}

void BM_ReviewRecords(benchmark::State& state) {
    const int mb = static_cast<int>(state.range(0));
    World();
    for (auto _ : state) {
        if (!qv::WriteReviewRecords(ProgramPath(mb), kRecords).ok()) state.SkipWithError("records not written");
    }
    state.SetBytesProcessed(state.iterations() * mb * 1000000LL);
}
BENCHMARK(BM_ReviewRecords)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    World();
    std::printf("peak resident memory growth while building the review records:\n");
    for (int mb : kSizesMb) {
        const long growth = PeakGrowthInChild(mb);
        if (growth < 0) {
            std::printf("  %2d MB program: FAILED\n", mb);
        } else {
            std::printf("  %2d MB program: %.1f MB\n", mb, static_cast<double>(growth) / 1024.0);
        }
    }
    std::printf("(goal: the same for every size, a few MB at most)\n\n");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
