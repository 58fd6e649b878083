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

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QIcon>

#include <emscripten.h>

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

    auto *window = new brovaci::Frmpendolo;
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->Form_Load();
    return 0;
}
