#!/usr/bin/env python3
"""The web build's size (the page, painted as soon as it arrives, and all it
loads: its program and the title window's pictures), and its start-up in
headless Chromium: from the navigation to the first paint of the title window
with its text (the first contentful paint: nothing of the page is painted
before that window), beside
a static page showing a window of the same size with a menu bar and one line
of text. Loads alternate between the two; medians of each. Once on a desktop,
once on a phone's processor (Chromium's, four times slowed)."""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
from chromium import Chromium  # noqa: E402

LOADS = 15
SIZE_LIMIT = 2 * 1024 * 1024
TARGET_RATIO = 1.5

FIRST_PAINT = """
const paint = performance.getEntriesByName('first-contentful-paint')[0];
return paint ? paint.startTime : null;"""


def first_paint(chromium, url):
    chromium.driver.get(url)
    return chromium.wait_for('the first contentful paint of ' + url,
                             lambda: chromium.driver.execute_script(FIRST_PAINT), timeout=30)


def main():
    page = os.path.abspath(sys.argv[1])
    baseline = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'baseline_window.html')
    folder = os.path.dirname(page)
    program = os.path.splitext(page)[0] + '.js'
    pictures = [os.path.join(folder, 'pictures', name) for name in os.listdir(os.path.join(folder, 'pictures'))]
    size = sum(os.path.getsize(path) for path in [page, program] + pictures)
    print('| figure | the web build | baseline | target | |')
    print('|---|---|---|---|---|')
    print('| size of %s, painted as it arrives | %.0f KB | | | |' % (os.path.relpath(page), os.path.getsize(page) / 1024))
    print('| size of the page with its program (%s) and the pictures beside it | %.0f KB | | 2048 KB | %s |'
          % (os.path.basename(program), size / 1024, 'met' if size <= SIZE_LIMIT else 'missed'))
    with Chromium('about:blank') as chromium:
        first_paint(chromium, 'file://' + page)  # the browser's own start-up is no one's
        for where, slowdown in (('a desktop', 1), ("a phone's processor (4x slowed)", 4)):
            chromium.driver.execute_cdp_cmd('Emulation.setCPUThrottlingRate', {'rate': slowdown})
            game, static = [], []
            for _ in range(LOADS):
                game.append(first_paint(chromium, 'file://' + page))
                static.append(first_paint(chromium, 'file://' + baseline))
            game_ms, static_ms = statistics.median(game), statistics.median(static)
            ratio = game_ms / static_ms
            print('| start-up on %s, navigation to the title window painted with its text (median of %d) | '
                  '%.0f ms (%.0f-%.0f) | static page, same window, menu bar, one line: %.0f ms (%.2fx) | 1.5x | %s |'
                  % (where, LOADS, game_ms, min(game), max(game), static_ms, ratio,
                     'met' if ratio <= TARGET_RATIO else 'missed'))


if __name__ == '__main__':
    main()
