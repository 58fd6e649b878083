// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/announce.h"

#include <QAccessible>
#include <QtGlobal>

#ifdef Q_OS_WASM
#include <emscripten.h>

// The region is emptied at once and given the words two frames later: a
// screen reader hears a change only from one frame to the next, and the
// same notice twice is then two changes. A later call wins over a pending one.
// (JavaScript, which clang-format would mangle.)
// clang-format off
EM_JS(void, brovaci_announce_on_page, (const char *words), {
    const region = document.getElementById("annunci");
    if (!region)
        return;
    const text = UTF8ToString(words);
    const turn = (region.brovaciTurn || 0) + 1;
    region.brovaciTurn = turn;
    region.textContent = "";
    if (text)
        requestAnimationFrame(() => requestAnimationFrame(() => {
            if (region.brovaciTurn === turn)
                region.textContent = text;
        }));
});
// clang-format on
#endif

namespace brovaci {

void announce(QObject *source, const QString &words)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && QT_CONFIG(accessibility)
    if (!words.isEmpty()) {
        QAccessibleAnnouncementEvent event(source, words);
        QAccessible::updateAccessibility(&event);
    }
#else
    Q_UNUSED(source);
#endif
#ifdef Q_OS_WASM
    brovaci_announce_on_page(words.toUtf8().constData());
#else
    Q_UNUSED(words);
#endif
}

} // namespace brovaci
