// The term sheet's repaint offscreen on a full class: after a grade is
// committed with Enter (the current row moves down inside the row window)
// and after the Enter that scrolls the row window by one pupil. Each
// iteration times the key through to the painted window; the counters give
// the paint alone and how many widgets it repainted.

#include "platform/Omgeving.h"
#include "platform/VasteBreedteInvoer.h"
#include "reports/Rapportberekening.h"
#include "termsheet/Cijferverwerking.h"
#include "termsheet/frmTrimester.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace {

int TermVan(int c) { return (c - 1) / 16 + 1; }

// 36 pupils with names and mentors, every column of level 1 weighted and
// graded, term weights typed.
void VolleKlas(AdmMain& a)
{
    NieuwCijferbestand(a);
    a.RapportOptie[5] = 3;
    for (int p = 1; p <= 36; ++p) {
        a.Achternaam(p) = "Leerling " + std::to_string(p);
        a.Roepnaam(p) = "Kim";
        a.Mentor(p) = "ABC";
    }
    for (int t = 1; t <= 3; ++t) {
        std::string w = std::to_string(t);
        VerwerkTrimGewicht(a, w, t, 1);
    }
    for (int c = 1; c <= 48; ++c) {
        std::string w = std::to_string(1 + c % 4);
        VerwerkGewicht(a, w, c, TermVan(c), 1);
        a.KolomSoort(c, 1) = "proefwerk " + std::to_string(c);
        for (int p = 1; p <= 36; ++p) {
            std::string g = std::to_string(3 + (p * 7 + c * 3) % 70 / 10.0).substr(0, 3);
            VerwerkCijfer(a, g, p, c, TermVan(c), 1);
        }
    }
    a.Scherm = SchermTrimester1;
}

// Counts the widgets of one window that paint.
class Teller : public QObject {
public:
    explicit Teller(QWidget& venster) : venster_(venster) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == &venster_)
            ++aantal;
        return false;
    }
    long aantal = 0;

private:
    QWidget& venster_;
};

void Verwerk()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

struct Blad {
    Blad()
    {
        VolleKlas(adm);
        venster = std::make_unique<frmTrimester>(adm, omgeving);
        venster->show();
        Verwerk();
        QApplication::setActiveWindow(venster.get());
        Verwerk();
    }
    VasteBreedteInvoer* Cel(int p, int c) { return venster->txtCijfer[venster->CelIndex(p, c)]; }
    // The focus into the cell of pupil p in the first column, the window scrolled to show it.
    void Naar(int p)
    {
        venster->vsbScroll->setValue(p);
        Verwerk();
        venster->ZetFocus(Cel(adm.HuidigeRij, adm.EersteKolom));
        Verwerk();
    }
    AdmMain adm;
    QtOmgeving omgeving;
    std::unique_ptr<frmTrimester> venster;
};

// One grade typed and committed with Enter in the focused cell; returns the
// seconds until the window has been painted, and those of the paint alone.
struct Tijden {
    double geheel, tekenen;
};

[[gnu::noinline]] Tijden MeetEnter(Blad& b, const char* cijfer)
{
    QWidget* cel = b.venster->focusWidget();
    // Put in as typed: an edit, which the Enter commits.
    auto* vak = static_cast<VasteBreedteInvoer*>(cel);
    vak->selectAll();
    vak->insert(QString::fromLatin1(cijfer));
    const auto t0 = std::chrono::steady_clock::now();
    QTest::keyClick(cel, Qt::Key_Return);
    const auto t1 = std::chrono::steady_clock::now();
    Verwerk();
    const auto t2 = std::chrono::steady_clock::now();
    return {std::chrono::duration<double>(t2 - t0).count(), std::chrono::duration<double>(t2 - t1).count()};
}

void Meten(benchmark::State& state, bool scrollen)
{
    Blad b;
    Teller teller(*b.venster);
    qApp->installEventFilter(&teller);
    const char* cijfers[] = {"6.5", "7.5"};
    double tekenen = 0;
    long widgets = 0, i = 0;
    // The row window shows pupils 9..16: a commit moves down within it from
    // 9, a scroll goes from its last row, 16, to 17.
    const auto begin = [&] {
        b.Naar(scrollen ? 9 : 16);
        b.Naar(scrollen ? 16 : 9);
    };
    begin();
    for (auto _ : state) {
        if (scrollen || b.adm.HuidigeRij >= b.adm.LaatsteRij) {
            state.PauseTiming();
            begin();
            state.ResumeTiming();
        }
        const long voor = teller.aantal;
        const Tijden t = MeetEnter(b, cijfers[(i++ / 8) % 2]);
        widgets += teller.aantal - voor;
        tekenen += t.tekenen;
        state.SetIterationTime(t.geheel);
    }
    qApp->removeEventFilter(&teller);
    state.counters["tekenen_us"] = 1e6 * tekenen / static_cast<double>(state.iterations());
    state.counters["widgets"] = static_cast<double>(widgets) / static_cast<double>(state.iterations());
}

void BM_HertekenenNaCijfer(benchmark::State& state) { Meten(state, false); }
void BM_HertekenenNaScrollen(benchmark::State& state) { Meten(state, true); }

}  // namespace

BENCHMARK(BM_HertekenenNaCijfer)->UseManualTime()->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_HertekenenNaScrollen)->UseManualTime()->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
