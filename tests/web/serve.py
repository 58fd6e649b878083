# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves a folder on 127.0.0.1, with .wasm as application/wasm, as any
static web server should: the page of scripts/web --serve, and of the
browser tests.
    python3 serve.py FOLDER [PORT]     (8080 by default; 0 takes a free one)"""
import functools
import http.server
import sys
import threading


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript',
                      '.webmanifest': 'application/manifest+json'}

    def log_message(self, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that closes while it downloads (a page's service worker
        # keeping its files) is not an error of the server.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def start(folder, port=0, wasm_type='application/wasm'):
    """Starts serving in a thread of its own; returns the server and its
    address. wasm_type is the type .wasm is sent as: another is what a
    server that does not know WebAssembly sends."""
    handler = type('Handler', (Handler,), {'extensions_map': {**Handler.extensions_map, '.wasm': wasm_type}})
    server = Server(('127.0.0.1', port), functools.partial(handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f'http://127.0.0.1:{server.server_address[1]}/'


if __name__ == '__main__':
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    server, address = start(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 8080)
    print(f'Brovaci: open {address} in a browser (Ctrl+C ends the server)', flush=True)
    try:
        threading.Event().wait()
    except KeyboardInterrupt:
        server.shutdown()
