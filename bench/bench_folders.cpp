// Speed of the directory and file windows' work on real folders: deleting a
// program directory of 20,000 files against "rm -r" of the same tree (goal:
// at most 1.5 times as long), and copying 1,000 sets (program, set-up sheet,
// time study; both kinds, as the file window copies by default) to another
// directory against "cp" of the same files (goal: at most 1.3 times).
// TMPDIR chooses the disc: on one kept in memory no file takes long to make,
// and the work per file beyond the copy shows.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "core/common/NumberText.h"
#include "core/common/State.h"
#include "core/exchange/FileOperations.h"
#include "core/folders/DirectoryOperations.h"
#include "support/Sandbox.h"

namespace {

constexpr int kDirectoryFiles = 20000;
constexpr int kSets = 1000;
const char* const kSetExtensions[] = {"prg", "inf", "rpt"};

qv::AskFunction Yes() {
    return [](const std::string&) { return true; };
}

std::string Padded(int n) {
    std::string text = qv::NumberText(n);
    return std::string(5 - text.size(), '0') + text;
}

void WriteHost(const std::string& path, std::size_t size) {
    static const std::string bytes(8192, 'N');
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || write(fd, bytes.data(), size) != static_cast<ssize_t>(size)) std::abort();
    close(fd);
}

// Machine M1 under C:\JOBS\ with the program sets in SRC, made once.
struct World : qv::test::MachineSandbox {
    World() {
        for (const char* folder : {"SRC", "DST", "CP"}) makeFolder("C:\\JOBS\\M1\\" + std::string(folder));
        for (int i = 0; i < kSets; ++i) {
            for (const char* extension : kSetExtensions)
                WriteHost(host("C:\\JOBS\\M1\\SRC\\") + "/P" + Padded(i) + "." + extension,
                          extension[0] == 'p' ? 6000 : 900);
            names.push_back("P" + Padded(i));
        }
        // A user picks the files a while after the folder last changed; just
        // after a change the platform checks every missing name on the disc.
        sleep(3);
    }
    std::string folder(const char* name) const { return host("C:\\JOBS\\M1\\" + std::string(name)); }
    // A program directory BIG of 20,000 programs and drawings.
    void makeBig() const {
        makeFolder("C:\\JOBS\\M1\\BIG");
        const std::string big = folder("BIG");
        for (int i = 0; i < kDirectoryFiles; ++i)
            WriteHost(big + "/F" + Padded(i / 2) + (i % 2 ? ".drw" : ".prg"), 300);
    }
    std::vector<std::string> names;
};

// Each round times the reference and ours one after the other, so a machine
// busy with other work slows both alike.
struct Comparison {
    double ours = 0;
    double reference = 0;
};
std::map<std::string, Comparison> g_totals;

double Ratio(const std::string& name) {
    const auto it = g_totals.find(name);
    return it == g_totals.end() || it->second.reference <= 0 ? 0.0 : it->second.ours / it->second.reference;
}

World& TheWorld() {
    static World world;
    return world;
}

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<bool()>& run, bool& ok) {
    const Clock::time_point start = Clock::now();
    ok = run() && ok;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_DeleteProgramDirectory(benchmark::State& state) {
    World& world = TheWorld();
    const std::string rm = "rm -r -- '" + world.folder("BIG") + "'";
    Comparison& total = g_totals["delete of a 20,000-file directory / rm -r"];
    bool ok = true;
    for (auto _ : state) {
        world.makeBig();
        total.reference += Seconds([&] { return std::system(rm.c_str()) == 0; }, ok);
        world.makeBig();
        const double ours = Seconds([] { return qv::DeleteProgramDirectory("BIG", Yes(), {}).done(); }, ok);
        total.ours += ours;
        state.SetIterationTime(ours);
    }
    if (!ok) state.SkipWithError("a deletion failed");
}

// Every round copies into folders of its own, so no file is deleted while
// the rounds are timed (ext4 makes new files slower right after deletions).
void BM_CopySetsToDirectory(benchmark::State& state) {
    World& world = TheWorld();
    Comparison& total = g_totals["copy of 1,000 program sets / cp"];
    bool ok = true;
    int round = 0;
    for (auto _ : state) {
        const std::string tag = qv::NumberText(++round);
        world.makeFolder("C:\\JOBS\\M1\\CP" + tag);
        world.makeFolder("C:\\JOBS\\M1\\DST" + tag);
        const std::string cp = "cp -- '" + world.folder("SRC") + "'/* '" + world.folder(("CP" + tag).c_str()) + "'/";
        total.reference += Seconds([&] { return std::system(cp.c_str()) == 0; }, ok);
        const double ours = Seconds(
            [&] {
                return qv::TransferFiles("C:\\JOBS\\M1\\SRC\\", world.names, "C:\\JOBS\\M1\\DST" + tag + "\\", 3,
                                         false, Yes())
                           .count() == kSets;
            },
            ok);
        total.ours += ours;
        state.SetIterationTime(ours);
    }
    for (int i = 1; i <= round; ++i) {
        world.remove("C:\\JOBS\\M1\\CP" + qv::NumberText(i));
        world.remove("C:\\JOBS\\M1\\DST" + qv::NumberText(i));
    }
    if (!ok) state.SkipWithError("a copy failed");
}

BENCHMARK(BM_DeleteProgramDirectory)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_CopySetsToDirectory)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("%s: %.2f (goal at most 1.50)\n", "delete of a 20,000-file directory / rm -r",
                Ratio("delete of a 20,000-file directory / rm -r"));
    std::printf("%s: %.2f (goal at most 1.30)\n", "copy of 1,000 program sets / cp",
                Ratio("copy of 1,000 program sets / cp"));
    benchmark::Shutdown();
    return 0;
}
