// The open dialog's file table of a folder of grade files, against its floor:
// one stat and one short read of each file, timed in the same run.

#include "core/AdmMain.h"
#include "core/Bestandstabel.h"
#include "core/Cijferbestand.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A folder of n grade files (their first 2 KB, which hold far more than the
// lines the table reads) and a few other files and folders.
struct Map {
    explicit Map(int n)
    {
        pad = fs::temp_directory_path() / ("bestandstabel_bench_" + std::to_string(::getpid()) + "_" + std::to_string(n));
        fs::remove_all(pad);
        fs::create_directories(pad / "archief");
        AdmMain a;
        NieuwCijferbestand(a);
        a.Klas = "3A    ";
        a.Vak = "wi    ";
        a.Deelvak = "alg   ";
        const std::string begin = CijferbestandTekst(a).substr(0, 2048);
        for (int i = 0; i < n; ++i) {
            char naam[32];
            std::snprintf(naam, sizeof naam, "klas%05d.vlk", (i * 7919) % n);  // not created in name order
            std::ofstream(pad / naam, std::ios::binary) << begin;
        }
        std::ofstream(pad / "lees mij.txt") << "geen cijferbestand";
    }
    ~Map() { fs::remove_all(pad); }
    fs::path pad;
};

Map& MapMet(int n)
{
    static std::map<int, std::unique_ptr<Map>> mappen;
    auto& m = mappen[n];
    if (!m)
        m = std::make_unique<Map>(n);
    return *m;
}

// The floor: list the folder, then one stat and one short read of each grade file.
int Vloer(const std::string& map)
{
    int gelezen = 0;
    DIR* d = ::opendir(map.c_str());
    if (!d)
        return 0;
    char buf[512];
    while (const dirent* e = ::readdir(d)) {
        const std::string pad = map + "/" + e->d_name;
        struct stat st {};
        if (::stat(pad.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        const int fd = ::open(pad.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        gelezen += ::read(fd, buf, sizeof buf) > 0;
        ::close(fd);
    }
    ::closedir(d);
    return gelezen;
}

void BM_Bestandstabel(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const std::string map = MapMet(n).pad.string();
    double vloer = 0, tabel = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(Vloer(map));
        const auto t1 = std::chrono::steady_clock::now();
        const auto t = BestandstabelVullen(map, Bestandsoort::Cijferbestand);
        benchmark::DoNotOptimize(t.rijen.data());
        const auto t2 = std::chrono::steady_clock::now();
        if (t.rijen.size() != static_cast<std::size_t>(n) || !t.rijen.back().gelezen)
            state.SkipWithError("the table is incomplete");
        const double v = std::chrono::duration<double>(t1 - t0).count();
        const double w = std::chrono::duration<double>(t2 - t1).count();
        vloer += v;
        tabel += w;
        state.SetIterationTime(w);
    }
    const double keer = static_cast<double>(state.iterations()) * n;
    state.counters["per_bestand_us"] = 1e6 * tabel / keer;
    state.counters["vloer_per_bestand_us"] = 1e6 * vloer / keer;
    state.counters["verhouding"] = tabel / vloer;
    state.SetComplexityN(n);
}
BENCHMARK(BM_Bestandstabel)->UseManualTime()->Unit(benchmark::kMillisecond)->Arg(100)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN);

}  // namespace
