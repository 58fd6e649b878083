// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Platforms without POSIX file descriptors: a windowed program there (the
// Windows GUI subsystem) starts with no standard streams, and nothing can take
// their place; the C runtime then discards what is written to them, so a
// message meant for standard error is lost, not fatal.
#include "app/startup.h"

namespace brovaci {

void reopenClosedStandardStreams() { }

} // namespace brovaci
