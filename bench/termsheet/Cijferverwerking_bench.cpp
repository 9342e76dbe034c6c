// Commits on a full class: 36 pupils graded in every weighted column of
// level 1, term weights typed, reports computed by method 3; and the mending
// of such a class when it is loaded.

#include "reports/Rapportberekening.h"
#include "termsheet/Cijferverwerking.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

int TermVan(int c) { return (c - 1) / 16 + 1; }

void Cijfer(AdmMain& a, int p, int c, std::string t) { VerwerkCijfer(a, t, p, c, TermVan(c), 1); }

std::unique_ptr<AdmMain> VolleKlas()
{
    auto a = std::make_unique<AdmMain>();
    a->RapportOptie[5] = 3;
    for (int t = 1; t <= 3; ++t) {
        std::string w = std::to_string(t);
        VerwerkTrimGewicht(*a, w, t, 1);
    }
    for (int c = 1; c <= 48; ++c) {
        std::string w = std::to_string(1 + c % 4);
        VerwerkGewicht(*a, w, c, TermVan(c), 1);
        for (int p = 1; p <= 36; ++p)
            Cijfer(*a, p, c, std::to_string(3 + (p * 7 + c * 3) % 70 / 10.0).substr(0, 3));
    }
    return a;
}

const char* Waarden[] = {"6.5", "7.5", "5.9", "8.1"};

void BM_CijferToevoegen(benchmark::State& st)
{
    const auto klas = VolleKlas();
    AdmMain& a = *klas;
    const int c = 21;
    for (int p = 1; p <= 36; ++p)
        Cijfer(a, p, c, "");
    int p = 0;
    for (auto _ : st) {
        if (p == 36) {
            st.PauseTiming();
            for (int q = 1; q <= 36; ++q)
                Cijfer(a, q, c, "");
            p = 0;
            st.ResumeTiming();
        }
        ++p;
        std::string t = Waarden[p % 4];
        benchmark::DoNotOptimize(VerwerkCijfer(a, t, p, c, 2, 1));
    }
}

void BM_CijferWijzigen(benchmark::State& st)
{
    const auto klas = VolleKlas();
    AdmMain& a = *klas;
    int i = 0;
    for (auto _ : st) {
        const int p = 1 + i % 36;
        std::string t = Waarden[(i / 36) % 2];  // every commit changes the grade
        benchmark::DoNotOptimize(VerwerkCijfer(a, t, p, 22, 2, 1));
        ++i;
    }
}

void BM_CijferVerwijderen(benchmark::State& st)
{
    const auto klas = VolleKlas();
    AdmMain& a = *klas;
    const int c = 23;
    int p = 36;
    for (auto _ : st) {
        if (p == 36) {
            st.PauseTiming();
            for (int q = 1; q <= 36; ++q)
                Cijfer(a, q, c, Waarden[q % 4]);
            p = 0;
            st.ResumeTiming();
        }
        ++p;
        std::string t = "   ";
        benchmark::DoNotOptimize(VerwerkCijfer(a, t, p, c, 2, 1));
    }
}

// A new weight for a column with 36 grades: every pupil's averages follow.
void BM_GewichtWijzigen(benchmark::State& st)
{
    const auto klas = VolleKlas();
    AdmMain& a = *klas;
    int i = 0;
    for (auto _ : st) {
        std::string t = i++ % 2 ? "2" : "3";
        benchmark::DoNotOptimize(VerwerkGewicht(a, t, 24, 2, 1));
    }
}

// A new term weight: every report and end average of the level follows.
void BM_TrimGewichtWijzigen(benchmark::State& st)
{
    const auto klas = VolleKlas();
    AdmMain& a = *klas;
    int i = 0;
    for (auto _ : st) {
        std::string t = i++ % 2 ? "2" : "1.5";
        benchmark::DoNotOptimize(VerwerkTrimGewicht(a, t, 2, 1));
    }
}

// The mending of a loaded file: a full class that fits, as every file the
// program wrote; and one whose every column mean and term average does not,
// so that all of them, the class statistics and the reports are rebuilt.
void BM_GeladenHerstellen(benchmark::State& st)
{
    const auto klas = VolleKlas();
    AdmMain& a = *klas;
    for (auto _ : st) {
        GeladenHerstellen(a);
        benchmark::DoNotOptimize(a.KlGem(48, 1));
    }
}

void BM_GeladenHerstellenAlles(benchmark::State& st)
{
    const auto klas = VolleKlas();
    for (int c = 1; c <= 48; ++c)
        klas->KlGem(c, 1) += 0.5;
    for (int p = 1; p <= 36; ++p)
        for (int t = 1; t <= 3; ++t)
            klas->TrGem(p, t, 1) += 0.5;
    const auto a = std::make_unique<AdmMain>();
    for (auto _ : st) {
        st.PauseTiming();
        *a = *klas;
        st.ResumeTiming();
        GeladenHerstellen(*a);
        benchmark::DoNotOptimize(a->KlGem(48, 1));
    }
}

}  // namespace

BENCHMARK(BM_CijferToevoegen)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_CijferWijzigen)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_CijferVerwijderen)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_GewichtWijzigen)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_TrimGewichtWijzigen)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_GeladenHerstellen)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_GeladenHerstellenAlles)->Repetitions(9)->ReportAggregatesOnly(true);
