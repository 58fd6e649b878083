// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The icon maker of the web build runs under node, where Qt for WebAssembly
// still asks the browser for the user's languages: here there is none.
if (typeof navigator === "undefined")
  globalThis.navigator = { language: "en", languages: ["en"] };
