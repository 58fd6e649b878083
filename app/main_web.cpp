// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program in a web page (WebAssembly): the page is the window. It fills
// the page without a frame of Qt's, and the page's size is the screen the
// layout reads. The browser runs the program's events: main returns once the
// opening curve has played, and the application and its window live on for
// as long as the page shows them. CHIUDI ends the program, and the page says
// so (index.html, from packaging/web/index.html.in).
#include "app/frmpendolo.h"
#include "app/identity.h"
#include "app/layout.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QScreen>
#include <QWindow>
#include <qpa/qplatformscreen.h>
#include <qpa/qwindowsysteminterface.h>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <emscripten.h>
#include <emscripten/val.h>

#include <utility>
#include <vector>

namespace {

// The design's faces as on Linux: Qt for WebAssembly brings DejaVu Sans
// alone, without its bold face, so both come with the program.
void addBundledFaces()
{
    for (const char *face : {":/fonts/DejaVuSans.ttf", ":/fonts/DejaVuSans-Bold.ttf"})
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(face)) < 0)
            qWarning("brovaci: the face %s is missing", face);
}

// The page in CSS pixels: the screen's own size, before Qt's scaling.
QSizeF pageSize(const QScreen *screen)
{
    return screen->handle()->geometry().size();
}

// The window fitted to the page. Qt's scale factor maps the window's pixels
// to the page's: 1 where the controls fit as designed, less where they do
// not, so that a phone shows the whole window, drawn at its own density
// (the factor times the device pixel ratio). Start-up places the controls
// once, around the centre of the screen it sees. When the page changes size
// (a device turned, the browser resized or zoomed), the factor is chosen
// again, and the controls, as they were placed, are moved together so that
// the reference point of start-up is again at the centre of the page. A film
// that plays goes on.
class PageFit : public QObject {
public:
    explicit PageFit(brovaci::Frmpendolo *window) : QObject(window), m_window(window)
    {
        const QSize screen = window->screen()->geometry().size();
        m_reference = QPoint(screen.width() / 2, screen.height() / 2);
        for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            m_placed.emplace_back(control, control->pos());
        connect(window->screen(), &QScreen::geometryChanged, this, &PageFit::fit);
        tellThePage();
    }

    // The factor for the page as it is now, before any window exists.
    static void scaleForPage(QScreen *screen)
    {
        setFactor(brovaci::fitScale(pageSize(screen), brovaci::Frmpendolo::screenNeeded()));
    }

private:
    static void setFactor(qreal factor)
    {
        if (qFuzzyCompare(factor, QHighDpiScaling::factor(QGuiApplication::primaryScreen())))
            return;
        // Qt warns that a factor is best set before any window exists: this
        // one's windows are brought up to date right after.
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith(QLatin1String("QHighDpiScaling::setFactor")))
                previous(type, context, text);
        });
        QHighDpiScaling::setGlobalFactor(factor);
        qInstallMessageHandler(previous);
    }

    void fit()
    {
        if (std::exchange(m_fitting, true))
            return; // the screen's own change, as the factor is set
        QScreen *screen = m_window->screen();
        scaleForPage(screen);
        const QRect area = screen->availableGeometry();
        const QPoint shift = QPoint(area.width() / 2, area.height() / 2) - m_reference;
        for (const auto &[control, placed] : m_placed)
            control->move(placed + shift);
        m_window->setGeometry(area);
        if (QWindow *handle = m_window->windowHandle()) {
            handle->setGeometry(area); // the same in the window's pixels, other in the page's
            QWindowSystemInterface::handleWindowDevicePixelRatioChanged<QWindowSystemInterface::SynchronousDelivery>(
                handle);
        }
        m_window->update();
        tellThePage();
        m_fitting = false;
    }

    // The scale, for the page and its tests.
    void tellThePage() const
    {
        emscripten::val::global("document")["documentElement"]["dataset"].set(
            "scale", QHighDpiScaling::factor(m_window->screen()));
    }

    brovaci::Frmpendolo *m_window;
    QPoint m_reference;
    std::vector<std::pair<QWidget *, QPoint>> m_placed;
    bool m_fitting = false;
};

} // namespace

int main(int argc, char *argv[])
{
    // Widgets repaint through the platform's update requests; without a
    // delay of their own every frame of a film reaches the page at once.
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    // A screen reader finds the controls from the first moment, with nothing
    // to press first (Brovaci's Qt is patched for it: scripts/web-qt).
    qputenv("QT_WASM_ENABLE_ACCESSIBILITY", "1");
    // QApplication keeps argc and argv for as long as it lives, and here it
    // outlives main: both are copied where they stay (the loader's own are on
    // the stack of its call of main).
    static int count = argc;
    static std::vector<QByteArray> arguments(argv, argv + argc);
    static std::vector<char *> pointers;
    for (QByteArray &argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    auto *app = new QApplication(count, pointers.data());
    brovaci::setUpApplication();
    // The page's tab shows Brovaci's icon from the page itself, and the
    // window has no title bar to show one; Qt would still scale it and encode
    // it as a PNG for that title bar, a tenth of a second of the start.
    QGuiApplication::setWindowIcon(QIcon());
    addBundledFaces();
    // exec() would name the application as the root of what a screen reader
    // reads; the page lays the controls out for it from there.
    QAccessible::setRootObject(app);
    // There is no event loop to leave in a page: the program ends there and
    // then, and the page's loader hears of it.
    // It ends from the browser's own call, once the handler of CHIUDI has
    // returned.
    QObject::connect(app, &QCoreApplication::aboutToQuit,
                     [] { emscripten_async_call([](void *) { emscripten_force_exit(0); }, nullptr, 0); });

    PageFit::scaleForPage(QGuiApplication::primaryScreen());
    auto *window = new brovaci::Frmpendolo;
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->Form_Load();
    new PageFit(window);
    return 0;
}
