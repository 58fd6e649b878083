// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does before its window exists, against a hostile
// environment: standard streams that are closed, and a display that cannot
// be opened.
#pragma once

namespace brovaci {

// Opens /dev/null on any of standard input, output and error that is closed,
// so that no file the program opens later (the display connection) takes
// their place and receives messages meant for a terminal. Does nothing where
// the platform has no such streams.
void reopenClosedStandardStreams();

// While the application object is being made, holds back Qt's messages. If
// no display can be opened, Qt's fatal error is replaced by one clear line,
// with the platform's own reason, and the program exits with status 1
// instead of aborting. endOfStartUp() passes on what was held back.
void watchStartUp();
void endOfStartUp();

} // namespace brovaci
