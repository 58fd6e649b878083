// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Linked into the program of the sanitizer build only: every library the
// process loads stays loaded until it exits.
//
// LeakSanitizer looks for leaks at exit, after the libraries loaded at run
// time have been unloaded. Mesa's software driver, which EGL loads for Qt's
// Wayland client, is one of them: what it still holds then is reported as
// a leak "in an unknown module", which no suppression can name. Whether
// that happens depends on the path Mesa and the compositor take on the
// machine, not on Brovaci. With the libraries kept loaded, what they hold
// stays reachable from their own data, or is reported under their names,
// which tests/sanitize/lsan.supp can suppress; a leak in Brovaci's own code
// is reported as before.
//
// A dlclose defined here, and exported from the executable, comes before
// the C library's in every lookup of the process, and reaches this program
// alone: the display servers the tests start are not touched, as a
// preloaded library would touch them.

extern "C" int dlclose(void *)
{
    return 0;
}
