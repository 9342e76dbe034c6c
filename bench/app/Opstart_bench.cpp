// Start-up to the first window painted, in fresh processes: the program
// (logo waits 0, no file) against a bare Qt Widgets window on the same
// display, in turns within one run. Besides, the bare window with one line of
// text: what the toolkit's fonts alone cost the first window that shows text.
// The benchmark re-runs itself with --opstart=programma, =kaal or =tekst;
// each child exits as soon as its window has been painted. Both children get a data folder, a settings
// folder and a working folder of their own, so the file-type registration and
// the settings file behave as at every start after the first.

#include "app/Start.h"
#include "names/frmNamen.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QLabel>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// Ends the child once the watched window has been painted: the exit is
// queued behind the paint, so the whole window reaches the screen first.
class Geschilderd : public QObject {
public:
    explicit Geschilderd(bool programma) : programma_(programma) {}

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !klaar_ && o->isWidgetType() && Telt(static_cast<QWidget*>(o)->window())) {
            klaar_ = true;
            QTimer::singleShot(0, [] { ::_exit(0); });
        }
        return false;
    }

private:
    bool Telt(QWidget* venster) const
    {
        if (!programma_)
            return true;
        // The names list once its first activation has filled it and closed the logo.
        const auto* namen = qobject_cast<frmNamen*>(venster);
        return namen && namen->adm.LogoGetoond == 1 && !namen->StartLogo && !namen->Logo();
    }

    bool programma_;
    bool klaar_ = false;
};

int Kind(int argc, char** argv, bool programma, bool tekst)
{
    QApplication app(argc, argv);
    Geschilderd filter(programma);
    app.installEventFilter(&filter);
    QTimer::singleShot(60000, [] { ::_exit(3); });  // never painted
    if (programma)
        return ProgrammaUitvoeren("", Logowachttijden{0, 0});
    QWidget venster;
    venster.resize(800, 600);
    if (tekst)
        new QLabel(QStringLiteral("Morvaldiek"), &venster);
    venster.show();
    return QApplication::exec();
}

std::string ditProgramma;

struct Duur {
    double wand = -1;  // seconds from the spawn to the exit; negative when the child failed
    double cpu = 0;    // the child's user and system time
};

Duur Start(const char* soort)
{
    std::vector<std::string> woorden{ditProgramma, std::string("--opstart=") + soort};
    std::vector<char*> argv;
    for (auto& w : woorden)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    const auto begin = std::chrono::steady_clock::now();
    // The toolkit's remarks on the offscreen display are not the benchmark's output.
    posix_spawn_file_actions_t stil;
    posix_spawn_file_actions_init(&stil);
    posix_spawn_file_actions_addopen(&stil, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&stil, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int fout = ::posix_spawn(&pid, ditProgramma.c_str(), &stil, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&stil);
    if (fout != 0)
        return {};
    int status = 0;
    rusage gebruik {};
    while (::wait4(pid, &status, 0, &gebruik) < 0)
        if (errno != EINTR)
            return {};
    const auto einde = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    const auto sec = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return {std::chrono::duration<double>(einde - begin).count(), sec(gebruik.ru_utime) + sec(gebruik.ru_stime)};
}

void BM_Opstart(benchmark::State& state)
{
    const fs::path map = fs::temp_directory_path() / ("opstart_bench_" + std::to_string(::getpid()));
    fs::create_directories(map / "data");
    const fs::path terug = fs::current_path();
    fs::current_path(map);
    ::setenv("XDG_DATA_HOME", (map / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (map / "config").c_str(), 1);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // The first start writes the registration and the settings file, and
    // brings the libraries into the page cache.
    if (Start("programma").wand < 0 || Start("kaal").wand < 0 || Start("tekst").wand < 0)
        state.SkipWithError("a start failed");
    const char* soorten[] = {"programma", "kaal", "tekst"};
    Duur som[3] = {{0, 0}, {0, 0}, {0, 0}};
    int n = 0;
    for (auto _ : state) {
        // Each in every place of the order in turn.
        Duur d[3];
        bool mislukt = false;
        for (int j = 0; j < 3; ++j) {
            const int s = (n + j) % 3;
            d[s] = Start(soorten[s]);
            mislukt = mislukt || d[s].wand < 0;
        }
        if (mislukt) {
            state.SkipWithError("a start failed");
            break;
        }
        for (int s = 0; s < 3; ++s) {
            som[s].wand += d[s].wand;
            som[s].cpu += d[s].cpu;
        }
        ++n;
        state.SetIterationTime(d[0].wand);
    }
    if (n > 0) {
        state.counters["programma_ms"] = 1000 * som[0].wand / n;
        state.counters["kaal_ms"] = 1000 * som[1].wand / n;
        state.counters["kaal_tekst_ms"] = 1000 * som[2].wand / n;
        state.counters["verschil_ms"] = 1000 * (som[0].wand - som[1].wand) / n;
        // CPU time, which a busy machine disturbs less than the wall clock.
        state.counters["verschil_cpu_ms"] = 1000 * (som[0].cpu - som[1].cpu) / n;
    }
    fs::current_path(terug);
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_CONFIG_HOME");
    std::error_code ec;
    fs::remove_all(map, ec);
}
// The least of the repetitions besides their median: on a busy machine it
// shows what the start costs when nothing else is running.
BENCHMARK(BM_Opstart)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(11)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--opstart=programma") == 0)
            return Kind(argc, argv, true, false);
        if (std::strcmp(argv[i], "--opstart=kaal") == 0)
            return Kind(argc, argv, false, false);
        if (std::strcmp(argv[i], "--opstart=tekst") == 0)
            return Kind(argc, argv, false, true);
    }
    std::error_code ec;
    ditProgramma = fs::read_symlink("/proc/self/exe", ec).string();
    if (ec)
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
