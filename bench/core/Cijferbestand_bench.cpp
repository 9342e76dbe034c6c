#include "core/Bestand.h"
#include "core/Cijferbestand.h"
#include "core/Fout.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <time.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A full class: 36 pupils with grades in every column of both levels and
// every statistic filled.
AdmMain VolleKlas()
{
    AdmMain a;
    a.School = "Sint-Ignatius Coll\xE9ge";
    a.Klas = "3A    ";
    a.Vak = "wisk  ";
    for (int p = 1; p <= 36; ++p) {
        a.Achternaam(p) = "Jans\xEBn " + std::to_string(p);
        a.Roepnaam(p) = "Zo\xEB";
        a.Adres(p) = "Kerkstraat " + std::to_string(p);
        for (int c = 1; c <= 48; ++c)
            for (int l = 1; l <= 2; ++l)
                a.Cijfer(p, c, l) = std::to_string((p + c) % 9 + 1) + ".5";
        for (int r = 1; r <= 4; ++r)
            for (int l = 1; l <= 2; ++l) {
                a.RapportTxt(p, r, l) = "6.8";
                a.Rapport(p, r, l) = 6.8125 + p / 100.0;
            }
        for (int l = 1; l <= 2; ++l) {
            for (int t = 1; t <= 3; ++t) {
                a.TrGemTxt(p, t, l) = "6.45";
                a.TrGem(p, t, l) = 6.453 + t;
                a.SomGewicht(p, t, l) = 16;
            }
            a.JrGem(p, l) = 7.123456789;
            a.EindGem(p, l) = 7.1;
        }
    }
    for (int c = 1; c <= 48; ++c)
        for (int l = 1; l <= 2; ++l) {
            a.KolomSoort(c, l) = "proefwerk hoofdstuk " + std::to_string(c);
            a.KolomGewicht(c, l) = "2";
            a.GewichtWaarde(c, l) = 2;
            a.KlGem(c, l) = 6.4375;
            a.KlAantal(c, l) = 36;
            a.KlSpr(c, l) = 1.2345678901234;
        }
    return a;
}

// A class file in a folder of its own, beside `anderen` other files: what a
// save does depends on the folder, not on what the temporary folder holds.
struct Bestand {
    explicit Bestand(int anderen = 0)
    {
        std::string sjabloon = (fs::temp_directory_path() / "cijferbestand_bench_XXXXXX").string();
        if (::mkdtemp(sjabloon.data()) == nullptr)
            throw std::runtime_error("no folder for the benchmark");
        map = sjabloon;
        for (int i = 1; i <= anderen; ++i)
            std::ofstream(map / ("klas" + std::to_string(i) + ".vlk")) << "x";
        pad = (map / "klas.vlk").string();
        AdmMain a = VolleKlas();
        CijferbestandOpslaan(a, pad);
        // The new files on disk before the clock runs, not written out under it.
        if (const int fd = ::open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
            ::syncfs(fd);
            ::close(fd);
        }
    }
    ~Bestand()
    {
        std::error_code e;
        fs::remove_all(map, e);
    }
    fs::path map;
    std::string pad;
};

void BM_CijferbestandLaden(benchmark::State& state)
{
    Bestand b;
    AdmMain a;
    for (auto _ : state) {
        CijferbestandLaden(a, b.pad);
        benchmark::DoNotOptimize(a.Cijfer(36, 48, 2));
    }
}
BENCHMARK(BM_CijferbestandLaden);

void BM_CijferbestandOpslaan(benchmark::State& state)
{
    Bestand b;
    AdmMain a = VolleKlas();
    for (auto _ : state)
        CijferbestandOpslaan(a, b.pad);
}
BENCHMARK(BM_CijferbestandOpslaan);

// The save's own CPU time: CijferbestandOpslaan's work with the CPU time of
// its flush to disk taken out (the flush stays in the program, grades must
// survive a power cut, and it is the system's work, not the program's). The
// reported time is that CPU time. The argument: how many other files the
// class's folder holds (a folder of its own, or a school's shared one).
double Processortijd()
{
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

class Flushklok : public Bestandssysteem {
public:
    int fsync(int fd) override
    {
        const double begin = Processortijd();
        const int r = Bestandssysteem::fsync(fd);
        flush += Processortijd() - begin;
        return r;
    }
    double flush = 0;
};

void BM_CijferbestandOpslaanZonderFlush(benchmark::State& state)
{
    Bestand b(static_cast<int>(state.range(0)));
    AdmMain a = VolleKlas();
    Flushklok systeem;
    for (auto _ : state) {
        const double begin = Processortijd();
        const double flush = systeem.flush;
        SchrijfBestandVeilig(b.pad, CijferbestandTekst(a), systeem);
        a.Gewijzigd = 0;
        state.SetIterationTime(Processortijd() - begin - (systeem.flush - flush));
    }
}
BENCHMARK(BM_CijferbestandOpslaanZonderFlush)->UseManualTime()->Arg(0)->Arg(1000);

// The floor the save is measured against: the same bytes, made once, written
// into a new file in the same folder and renamed over the target, without
// anything a safe save adds. CPU time, as above.
void BM_KaalSchrijvenEnHernoemen(benchmark::State& state)
{
    Bestand b(static_cast<int>(state.range(0)));
    const std::string inhoud = CijferbestandTekst(VolleKlas());
    const std::string tijdelijk = b.pad + ".kaal";
    for (auto _ : state) {
        const double begin = Processortijd();
        const int fd = ::open(tijdelijk.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, inhoud.data(), inhoud.size()) != static_cast<ssize_t>(inhoud.size()) ||
            ::close(fd) != 0 || ::rename(tijdelijk.c_str(), b.pad.c_str()) != 0)
            state.SkipWithError("bare write failed");
        state.SetIterationTime(Processortijd() - begin);
    }
}
BENCHMARK(BM_KaalSchrijvenEnHernoemen)->UseManualTime()->Arg(0)->Arg(1000);

// A valid header followed by 60 MB of empty lines: refused as of the wrong
// kind without being read.
void BM_TeGrootBestandGeweigerd(benchmark::State& state)
{
    static const struct Groot {
        Groot()
        {
            pad = (fs::temp_directory_path() / ("groot_bench_" + std::to_string(::getpid()) + ".vlk")).string();
            std::ofstream uit(pad, std::ios::binary);
            uit << std::string(30, ' ') << "\r\n" << std::string(9, ' ') << "\r\n3A    \r\nwisk  \r\n";
            const std::string leeg(1 << 20, '\n');
            for (int mb = 0; mb < 60; ++mb)
                uit << leeg;
        }
        ~Groot() { fs::remove(pad); }
        std::string pad;
    } groot;
    AdmMain a;
    for (auto _ : state) {
        try {
            CijferbestandOpenen(a, groot.pad);
            state.SkipWithError("an oversized file was read");
        } catch (const Bestandsfout& f) {
            if (f.code() != FoutVerkeerdBestand)
                state.SkipWithError(f.what());
        }
    }
}
BENCHMARK(BM_TeGrootBestandGeweigerd);

// The writer's bytes alone, without the file system.
void BM_CijferbestandTekst(benchmark::State& state)
{
    const AdmMain a = VolleKlas();
    for (auto _ : state)
        benchmark::DoNotOptimize(CijferbestandTekst(a));
}
BENCHMARK(BM_CijferbestandTekst);

}  // namespace
