#!/usr/bin/env python3
"""Lighthouse's mobile audit of the web build, served from this computer as a
static host serves it (text compressed with gzip): its four scores, its
simulated first contentful paint, and the audits that cost points.

    web_lighthouse.py build/web path/to/lighthouse"""

import contextlib
import functools
import gzip
import http.server
import json
import os
import subprocess
import sys
import tempfile
import threading

COMPRESSED = ('.html', '.js', '.json', '.webmanifest', '.txt', '.css')
CATEGORIES = ['performance', 'accessibility', 'best-practices', 'seo']
TARGETS = {'performance': 98, 'accessibility': 100, 'best-practices': 100, 'seo': 100}


class StaticHost(http.server.SimpleHTTPRequestHandler):
    """Sends text gzip-compressed to a browser that takes it."""

    def log_message(self, *args):
        pass

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, 'index.html')
        if not path.endswith(COMPRESSED) or 'gzip' not in self.headers.get('Accept-Encoding', '') \
                or not os.path.isfile(path):
            return super().send_head()
        with open(path, 'rb') as f:
            body = gzip.compress(f.read(), 6)
        self.send_response(200)
        self.send_header('Content-Type', self.guess_type(path))
        self.send_header('Content-Encoding', 'gzip')
        self.send_header('Content-Length', str(len(body)))
        self.send_header('Cache-Control', 'no-cache')
        self.end_headers()
        return _Body(body)


class _Body:
    def __init__(self, data):
        self.data = data

    def read(self, *args):
        data, self.data = self.data, b''
        return data

    def close(self):
        pass


StaticHost.extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                             '.webmanifest': 'application/manifest+json', '.js': 'text/javascript'}


@contextlib.contextmanager
def served(folder):
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(StaticHost, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        yield 'http://127.0.0.1:%d/' % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


def main():
    folder, lighthouse = os.path.abspath(sys.argv[1]), sys.argv[2]
    env = dict(os.environ, CHROME_PATH='/usr/bin/chromium')
    with served(folder) as address, tempfile.TemporaryDirectory() as scratch:
        report = os.path.join(scratch, 'report.json')
        subprocess.run([lighthouse, address, '--quiet', '--output=json', '--output-path=' + report,
                        '--only-categories=' + ','.join(CATEGORIES),
                        '--chrome-flags=--headless=new --no-sandbox --disable-gpu'], env=env, check=True)
        with open(report, encoding='utf-8') as f:
            result = json.load(f)
    print('| Lighthouse %s, mobile, served with gzip | score | target | |' % result['lighthouseVersion'])
    print('|---|---|---|---|')
    for name in CATEGORIES:
        score = round(result['categories'][name]['score'] * 100)
        print('| %s | %d | %d | %s |' % (result['categories'][name]['title'], score, TARGETS[name],
                                         'met' if score >= TARGETS[name] else 'missed'))
    fcp = result['audits']['first-contentful-paint']
    print('| first contentful paint on its simulated phone | %s | | |' % fcp['displayValue'])
    for name in CATEGORIES:
        for ref in result['categories'][name]['auditRefs']:
            audit = result['audits'][ref['id']]
            if ref['weight'] > 0 and audit['score'] is not None and audit['score'] < 1:
                print('  costs %s points: %s (%s)' % (name, audit['title'], audit.get('displayValue', audit['score'])))


if __name__ == '__main__':
    main()
