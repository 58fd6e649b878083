// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Platforms without POSIX file descriptors: a windowed program there starts
// with no standard streams, and nothing can take their place.
#include "app/startup.h"

namespace brovaci {

void reopenClosedStandardStreams() {}

} // namespace brovaci
