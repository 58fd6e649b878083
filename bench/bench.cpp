// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Brovaci's benchmarks, on the offscreen platform. Prints one table:
//  - the cost of one frame of each film (clear + draw + present on the
//    window's picture boxes, no pacing) beside a bare loop that draws the same
//    primitives into a QImage with one QPainter and repaints a plain widget;
//  - the still curve (6281 points) drawn and presented;
//  - each film's wall time with real pacing against its nominal time (the
//    pauses, each frame held for one display refresh);
//  - the share of a core the single-pendulum film uses while it plays;
//  - the frame engine on the real clock: pause lengths, the refresh hold of
//    a wiped frame, the wait for a paint that never comes;
//  - start-up to the window exposed and to the first frame of the opening
//    curve, the peak resident memory of a session that plays every scene,
//    and the resident growth of every scene played 200 times.
#include "app/frmpendolo.h"
#include "app/identity.h"
#include "process_posix.h"
#include "recordingstage.h"
#include "scenes/scenes.h"
#include "display/picturebox.h"
#include "display/presenter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;
using namespace brovaci;
using namespace brovaci::testing;

namespace {

struct Film {
    const char *name;
    void (*scene)(Stage &);
    int mainSurface; // the box whose clear starts a frame
};

const Film Films[] = {
    {"turning curve", scenes::cmdtarmonica_Click, 3},
    {"single pendulum", scenes::cmdmovimento_Click, 1},
    {"double pendulum", scenes::Cmddoppio_Click, 3},
    {"damped pendulums", scenes::Cmdperde_Click, 3},
};

struct Frame {
    std::vector<Op> ops; // drawing only
    long long passes = 0;
};

// The film's recorded stream cut before every clear of its main surface:
// what each frame draws, and how long it pauses.
std::vector<Frame> framesOf(const Film &film)
{
    RecordingStage stage;
    film.scene(stage);
    std::vector<Frame> frames;
    for (const std::vector<Op> &ops : testing::framesOf(stage.log, film.mainSurface)) {
        Frame &frame = frames.emplace_back();
        for (const Op &op : ops) {
            if (op.kind == OpKind::Pause)
                frame.passes += std::max(0LL, (long long)op.a);
            else if (op.kind != OpKind::Visible && op.kind != OpKind::Left && op.kind != OpKind::Width)
                frame.ops.push_back(op);
        }
    }
    return frames;
}

// The window's three picture boxes, as start-up sizes them, with their
// presenter and no refresh hold: one frame costs what it costs to draw and show.
struct Boxes {
    Boxes()
    {
        const QRect places[] = {{10, 10, 250, 140}, {300, 10, 250, 90}, {600, 10, 280, 200}};
        for (int i = 0; i < 3; ++i) {
            boxes[i] =
                new PictureBox(presenter, Black, i == 2 ? PictureBox::Border::Sunken : PictureBox::Border::None, &top);
            boxes[i]->setGeometry(places[i]);
        }
        top.resize(1000, 300);
        top.show();
        if (!QTest::qWaitForWindowExposed(&top))
            std::fprintf(stderr, "the picture boxes were never shown\n");
    }
    Presenter presenter{std::chrono::nanoseconds(0)};
    QWidget top;
    PictureBox *boxes[3] = {};
};

// Made on first use, destroyed before the application object.
std::unique_ptr<Boxes> theBoxes;
std::unique_ptr<Frmpendolo> theWindow;
Frmpendolo &window()
{
    if (!theWindow) {
        theWindow = std::make_unique<Frmpendolo>(Frmpendolo::Pacing::Off);
        theWindow->Form_Load();
    }
    return *theWindow;
}

void replay(const Op &op, Surface &s)
{
    switch (op.kind) {
    case OpKind::Cls: s.Cls(); break;
    case OpKind::PSet: s.PSet(op.a, op.b, op.colour); break;
    case OpKind::Line: s.Line(op.a, op.b, op.c, op.d, op.colour); break;
    case OpKind::Circle: s.Circle(op.a, op.b, op.c, op.d, op.colour); break;
    default: break;
    }
}

// The bare loop: a plain widget per picture showing a QImage.
class PlainView : public QWidget {
public:
    using QWidget::QWidget;
    QImage image;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, image); }
};

struct Bare {
    Bare()
    {
        const QSize sizes[] = {{250, 140}, {250, 90}, {276, 196}};
        for (int i = 0; i < 3; ++i) {
            views[i] = new PlainView(&top);
            views[i]->setGeometry(10 + 300 * i, 10, sizes[i].width(), sizes[i].height());
            views[i]->image = QImage(sizes[i], QImage::Format_RGB32);
            views[i]->image.fill(Qt::black);
        }
        top.resize(1000, 300);
        top.show();
        // Until it is exposed, repaint() paints nothing, and the loop would
        // draw without ever showing.
        if (!QTest::qWaitForWindowExposed(&top))
            std::fprintf(stderr, "the bare views were never shown\n");
    }
    QWidget top;
    PlainView *views[3] = {};
};

std::unique_ptr<Bare> theBare;

void bareFrame(const Frame &frame, Bare &bare)
{
    std::unique_ptr<QPainter> painters[3];
    bool dirty[3] = {};
    for (const Op &op : frame.ops) {
        const int i = op.surface - 1;
        if (!painters[i]) {
            painters[i] = std::make_unique<QPainter>(&bare.views[i]->image);
            painters[i]->setRenderHint(QPainter::Antialiasing, false);
        }
        QPainter &p = *painters[i];
        dirty[i] = true;
        const QColor colour = QColor::fromRgb(toRgb(op.colour));
        switch (op.kind) {
        case OpKind::Cls: p.fillRect(bare.views[i]->image.rect(), Qt::black); break;
        case OpKind::PSet: p.fillRect(QRect(int(std::floor(op.a)) - 1, int(std::floor(op.b)) - 1, 3, 3), colour); break;
        case OpKind::Line:
            p.setPen(QPen(colour, 3));
            p.drawLine(QLineF(op.a, op.b, op.c, op.d));
            break;
        case OpKind::Circle: {
            const double q = std::fabs(op.d), r = op.c;
            p.setPen(QPen(colour, 3));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(op.a, op.b), q <= 1 ? r : r / q, q <= 1 ? r * q : r);
            break;
        }
        default: break;
        }
    }
    for (int i = 0; i < 3; ++i) {
        painters[i].reset();
        if (dirty[i])
            bare.views[i]->repaint();
    }
}

void frameOurs(benchmark::State &state, const Film *film)
{
    const auto frames = framesOf(*film);
    if (!theBoxes)
        theBoxes = std::make_unique<Boxes>();
    Boxes &b = *theBoxes;
    size_t next = 0;
    for (auto _ : state) {
        for (const Op &op : frames[next].ops)
            replay(op, *b.boxes[op.surface - 1]);
        b.presenter.present();
        next = (next + 1) % frames.size();
    }
}

void frameBare(benchmark::State &state, const Film *film)
{
    const auto frames = framesOf(*film);
    if (!theBare)
        theBare = std::make_unique<Bare>();
    size_t next = 0;
    for (auto _ : state) {
        bareFrame(frames[next], *theBare);
        next = (next + 1) % frames.size();
    }
}

void stillCurve(benchmark::State &state)
{
    Frmpendolo &w = window();
    w.findChild<QLineEdit *>(u"txtarmonica"_s)->setText(u"200"_s);
    for (auto _ : state)
        w.Cmdpendolo_Click();
}

// Collects the mean time of each benchmark.
// A click on a help button: the panel's text set, and painted. A film that
// ends on such a click ends when the panel shows it.
void helpSwitch(benchmark::State &state)
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    w.show();
    QCoreApplication::processEvents();
    bool instructions = false;
    for (auto _ : state) {
        instructions = !instructions;
        if (instructions)
            w.Cmdistruzioni_Click();
        else
            w.Cmdcosafa_Click();
        w.repaint();
    }
}

class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration)
                milliseconds[run.benchmark_name()] = run.GetAdjustedRealTime() / 1e6;
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> milliseconds;
};

struct Row {
    std::string measure, value, target, verdict;
};

std::string format(const char *pattern, double a, double b = 0, double c = 0)
{
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

// Child: start-up timings, from the parent's clock reading before it started us.
int startupChild(long long parentStart)
{
    long long exposedAt = 0, firstFrameAt = 0;
    class Watch : public QObject {
    public:
        std::function<bool(QObject *, QEvent *)> onEvent;
        bool eventFilter(QObject *o, QEvent *e) override { return onEvent(o, e); }
    } watch;
    setUpApplication();
    Frmpendolo w;
    w.winId();
    auto *curveBox = w.findChild<PictureBox *>(u"Picture3"_s);
    // A paint of the curve box is looked at once it is over: the grab paints
    // the box again, which it cannot do inside a paint.
    bool grabbing = false;
    watch.onEvent = [&](QObject *o, QEvent *e) {
        if (!exposedAt && o == w.windowHandle() && e->type() == QEvent::Expose && w.windowHandle()->isExposed())
            exposedAt = bench::monotonicNanoseconds();
        if (!firstFrameAt && !grabbing && o == curveBox && e->type() == QEvent::Paint) {
            const long long paintedAt = bench::monotonicNanoseconds();
            QTimer::singleShot(0, curveBox, [&, paintedAt] {
                if (firstFrameAt)
                    return;
                grabbing = true;
                const QImage image = curveBox->grab(curveBox->contentsRect()).toImage();
                grabbing = false;
                for (int y = 0; y < image.height() && !firstFrameAt; ++y)
                    for (int x = 0; x < image.width(); ++x)
                        if (image.pixel(x, y) == qRgb(0, 0, 255)) {
                            firstFrameAt = paintedAt;
                            break;
                        }
            });
        }
        return false;
    };
    w.windowHandle()->installEventFilter(&watch);
    curveBox->installEventFilter(&watch);
    w.Form_Load();
    std::printf("%lld %lld\n", exposedAt ? exposedAt - parentStart : -1,
                firstFrameAt ? firstFrameAt - parentStart : -1);
    return 0;
}

// Child: a session that plays every scene once, as fast as it can.
int sessionChild()
{
    setUpApplication();
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    w.Cmdpendolo_Click();
    w.cmdtarmonica_Click();
    w.cmdmovimento_Click();
    w.Cmddoppio_Click();
    w.Cmdperde_Click();
    w.Cmdperde_MouseDown(2, 0, 1, 1);
    w.Cmdistruzioni_Click();
    w.Cmdcosafa_Click();
    w.findChild<QLineEdit *>(u"txtarmonica"_s)->setText(u"abc"_s);
    w.Cmdpendolo_Click();
    return 0;
}

// Child: switching the help panel between its two texts, with every switch
// painted. Prints the resident set after the first 1,000 switches and after
// 10,000 more.
int helpPanelChild()
{
    setUpApplication();
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    const auto switches = [&w](int count) {
        for (int i = 0; i < count; ++i) {
            if (i % 2)
                w.Cmdistruzioni_Click();
            else
                w.Cmdcosafa_Click();
            QCoreApplication::processEvents();
        }
        return bench::residentKiB();
    };
    const long long first = switches(1000);
    const long long more = switches(10000);
    std::printf("%lld %lld\n", first, more);
    return 0;
}

// Child: every scene 200 times back to back on the window's own surfaces,
// as fast as they go. Prints, per scene, the resident set after the first
// round and after the last.
int repeatedScenesChild()
{
    setUpApplication();
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    auto *box = w.findChild<QLineEdit *>(u"txtarmonica"_s);
    const std::pair<const char *, std::function<void()>> scenes[] = {
        {"still-curve", [&] { w.Cmdpendolo_Click(); }},
        {"turning-curve", [&] { w.cmdtarmonica_Click(); }},
        {"single-pendulum", [&] { w.cmdmovimento_Click(); }},
        {"double-pendulum", [&] { w.Cmddoppio_Click(); }},
        {"damped-pendulums", [&] { w.Cmdperde_Click(); }},
        {"freeze-frame", [&] { w.Cmdperde_MouseDown(2, 0, 5, 5); }},
        {"notice",
         [&] {
             box->setText(u"12abc"_s);
             w.Cmdpendolo_Click();
         }},
    };
    for (const auto &[name, play] : scenes) {
        play();
        const long long first = bench::residentKiB();
        for (int round = 1; round < 200; ++round)
            play();
        std::printf("%s %lld %lld\n", name, first, bench::residentKiB());
        box->setText(u"200"_s);
    }
    return 0;
}

// A 100 x 100 picture box alone in a shown window.
PictureBox *shownBox(Presenter &presenter, QWidget &window)
{
    auto *box = new PictureBox(presenter, Black, PictureBox::Border::None, &window);
    box->setGeometry(0, 0, 100, 100);
    window.resize(100, 100);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the picture box was never shown\n");
    return box;
}

// The frame engine on the real clock, where the tests drive a clock of
// their own: how long pauses last, how long a wiped frame stays, and how
// long a present waits for a paint that never comes.
void frameEngineRows(std::vector<Row> &rows)
{
    using namespace std::chrono;
    using Ms = duration<double, std::milli>;
    Presenter presenter(nanoseconds(0));
    QWidget top;
    PictureBox *box = shownBox(presenter, top);
    struct Pause {
        int passes;
        nanoseconds pass;
    };
    for (const Pause p : {Pause{1, milliseconds(20)}, Pause{400, microseconds(250)}, Pause{3150, Pacer::DefaultPass}}) {
        Pacer pacer(&presenter, p.pass);
        double worst = 0;
        for (int run = 0; run < 5; ++run) {
            box->PSet(10, 10, Blue);
            const auto t0 = steady_clock::now();
            pacer.IdlePause(std::int16_t(p.passes));
            worst = std::max(worst, Ms(steady_clock::now() - t0).count());
        }
        const double nominal = Ms(p.pass * p.passes).count();
        rows.push_back({format("pause of %.0f passes of %.2f ms, longest of 5", p.passes, Ms(p.pass).count()),
                        format("%.3f / %.3f ms (%+.3f ms)", worst, nominal, worst - nominal), "+0 to +2 ms",
                        worst >= nominal && worst - nominal <= 2 ? "met" : "NOT MET"});
    }
    // A wiped frame stays one refresh, 120 ms here, from its paint.
    {
        Presenter held(milliseconds(120));
        QWidget window;
        PictureBox *shown = shownBox(held, window);
        shown->PSet(10, 10, Blue);
        held.present();
        const auto t0 = steady_clock::now();
        shown->Cls();
        shown->PSet(20, 20, Red);
        held.present();
        const double stayed = Ms(steady_clock::now() - t0).count();
        rows.push_back({"a wiped frame held for a refresh of 120 ms", format("%.2f ms", stayed), "120 to 125 ms",
                        stayed >= 119 && stayed <= 125 ? "met" : "NOT MET"});
        // A paint that never comes: waited for 250 ms once, then a refresh.
        shown->setUpdatesEnabled(false);
        double waits[2];
        for (double &wait : waits) {
            shown->PSet(30, 30, Blue);
            const auto t1 = steady_clock::now();
            held.present();
            wait = Ms(steady_clock::now() - t1).count();
        }
        rows.push_back({"a paint that never comes: the first wait, then the next",
                        format("%.1f ms, then %.1f ms", waits[0], waits[1]), "250 to 260, then 120 to 130 ms",
                        waits[0] >= 250 && waits[0] <= 260 && waits[1] >= 120 && waits[1] <= 130 ? "met" : "NOT MET"});
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    const std::string self = argv[0];
    if (argc == 3 && std::string(argv[1]) == "--startup") {
        QApplication app(argc, argv);
        return startupChild(std::stoll(argv[2]));
    }
    if (argc == 2 && std::string(argv[1]) == "--session") {
        QApplication app(argc, argv);
        return sessionChild();
    }
    if (argc == 2 && std::string(argv[1]) == "--help-panel") {
        QApplication app(argc, argv);
        return helpPanelChild();
    }
    if (argc == 2 && std::string(argv[1]) == "--repeated-scenes") {
        QApplication app(argc, argv);
        return repeatedScenesChild();
    }

    QApplication app(argc, argv);
    for (const Film &film : Films) {
        benchmark::RegisterBenchmark((std::string("frame/") + film.name + "/ours").c_str(), frameOurs, &film);
        benchmark::RegisterBenchmark((std::string("frame/") + film.name + "/bare").c_str(), frameBare, &film);
    }
    benchmark::RegisterBenchmark("still curve/drawn and presented", stillCurve);
    benchmark::RegisterBenchmark("help panel/switch", helpSwitch);
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    std::vector<Row> rows;
    for (const Film &film : Films) {
        const double ours = collector.milliseconds[std::string("frame/") + film.name + "/ours"];
        const double bare = collector.milliseconds[std::string("frame/") + film.name + "/bare"];
        const double ratio = ours / bare;
        rows.push_back({std::string("one frame, ") + film.name + ": ours / bare",
                        format("%.3f / %.3f ms = %.2f", ours, bare, ratio), "<= 1.00",
                        ratio <= 1.00 ? "met" : "NOT MET"});
    }
    const double still = collector.milliseconds["still curve/drawn and presented"];
    rows.push_back({"still curve, 6281 points, drawn and presented", format("%.2f ms", still), "< 3 ms",
                    still < 3 ? "met" : "NOT MET"});
    rows.push_back({"help panel: a switch between its two texts, set and painted",
                    format("%.2f ms", collector.milliseconds["help panel/switch"]), "", ""});

    // Films with real pacing against their nominal time.
    Row cpuRow;
    {
        Frmpendolo w;
        w.Form_Load();
        const auto refresh = Presenter::intervalForRate(w.screen()->refreshRate());
        const auto pass = std::chrono::duration<double>(Pacer::DefaultPass).count();
        const double refreshSeconds = std::chrono::duration<double>(refresh).count();
        w.findChild<QScrollBar *>(u"VScroll1"_s)->setValue(10);
        for (const Film &film : Films) {
            const auto frames = framesOf(film);
            double nominal = 0;
            for (size_t i = 0; i < frames.size(); ++i) {
                const double pause = frames[i].passes * pass;
                nominal += i + 1 < frames.size() ? std::max(pause, refreshSeconds) : pause;
            }
            QCoreApplication::processEvents();
            QThread::msleep(50); // whatever was last on screen has had its refresh
            const double cpu0 = bench::cpuSeconds();
            const auto t0 = std::chrono::steady_clock::now();
            if (film.scene == scenes::cmdtarmonica_Click)
                w.cmdtarmonica_Click();
            if (film.scene == scenes::cmdmovimento_Click)
                w.cmdmovimento_Click();
            if (film.scene == scenes::Cmddoppio_Click)
                w.Cmddoppio_Click();
            if (film.scene == scenes::Cmdperde_Click)
                w.Cmdperde_Click();
            const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            const double cpu = bench::cpuSeconds() - cpu0;
            const double off = 100 * (wall - nominal) / nominal;
            rows.push_back({std::string("film, ") + film.name + ": wall / nominal",
                            format("%.3f / %.3f s (%+.1f %%)", wall, nominal, off), "within 3 %",
                            std::fabs(off) <= 3 ? "met" : "NOT MET"});
            if (film.scene == scenes::cmdmovimento_Click)
                cpuRow = {"film, single pendulum: share of one core while it plays",
                          format("%.1f %% (%.2f s of CPU in %.2f s)", 100 * cpu / wall, cpu, wall), "", ""};
        }
    }

    rows.push_back(cpuRow);
    frameEngineRows(rows);

    // Start-up and memory, in fresh processes.
    double exposedMs = 1e9, firstFrameMs = 1e9;
    for (int run = 0; run < 5; ++run) {
        const long long start = bench::monotonicNanoseconds();
        const auto child = bench::runSelf(self, {"--startup", std::to_string(start)});
        long long exposed = -1, first = -1;
        if (child.exitCode == 0 && std::sscanf(child.output.c_str(), "%lld %lld", &exposed, &first) == 2 && exposed > 0
            && first > 0) {
            exposedMs = std::min(exposedMs, exposed / 1e6);
            firstFrameMs = std::min(firstFrameMs, first / 1e6);
        }
    }
    rows.push_back({"start-up to the window exposed (best of 5)", format("%.0f ms", exposedMs), "", ""});
    rows.push_back({"start-up to the first frame of the opening curve (best of 5)", format("%.0f ms", firstFrameMs),
                    "< 300 ms", firstFrameMs < 300 ? "met" : "NOT MET"});
    const auto session = bench::runSelf(self, {"--session"});
    const double peakMiB = session.peakResidentKiB / 1024.0;
    rows.push_back({"peak resident memory, a session playing every scene", format("%.1f MiB", peakMiB), "< 60 MiB",
                    session.exitCode == 0 && peakMiB < 60 ? "met" : "NOT MET"});

    const auto panel = bench::runSelf(self, {"--help-panel"});
    long long afterFirst = 0, afterMore = 0;
    const bool measured =
        panel.exitCode == 0 && std::sscanf(panel.output.c_str(), "%lld %lld", &afterFirst, &afterMore) == 2;
    const double growthMiB = (afterMore - afterFirst) / 1024.0;
    rows.push_back({"help panel: resident growth over 10,000 switches, after the first 1,000",
                    measured
                        ? format("%+.2f MiB (%.1f to %.1f MiB)", growthMiB, afterFirst / 1024.0, afterMore / 1024.0)
                        : std::string("not measured"),
                    "< 1 MiB", measured && growthMiB < 1 ? "met" : "NOT MET"});

    const auto repeated = bench::runSelf(self, {"--repeated-scenes"});
    double worstKiB = 0;
    std::string worstScene = "none";
    {
        std::istringstream lines(repeated.output);
        std::string scene;
        long long first = 0, last = 0;
        while (lines >> scene >> first >> last)
            if (double(last - first) >= worstKiB || worstScene == "none") {
                worstKiB = double(last - first);
                worstScene = scene;
            }
    }
    rows.push_back({"every scene 200 times: largest resident growth after the first round",
                    repeated.exitCode == 0 ? format("%+.2f MiB", worstKiB / 1024) + " (" + worstScene + ")"
                                           : std::string("not measured"),
                    "< 1 MiB", repeated.exitCode == 0 && worstKiB < 1024 ? "met" : "NOT MET"});

    std::printf("\n| measure | value | target | |\n|---|---|---|---|\n");
    for (const Row &r : rows)
        std::printf("| %s | %s | %s | %s |\n", r.measure.c_str(), r.value.c_str(), r.target.c_str(), r.verdict.c_str());
    theBare.reset();
    theBoxes.reset();
    theWindow.reset();
    return 0;
}
