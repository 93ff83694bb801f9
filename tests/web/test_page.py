#!/usr/bin/env python3
"""The page opened from disk: a small page that names itself, carries its
icon and policy and draws the title window at once, its program beside it;
its windows placed as on the desktop; the boxes, the close control and the
About box; and what a screen reader finds in it."""

import contextlib
import functools
import http.server
import os
import re
import sys
import threading

from chromium import Keys, page_or_skip, run
from test_games import title_then_name_box

PAGE = page_or_skip(sys.argv)


# A window's place, the text of its bars and the rectangles of its pictures on
# view (the page's take their size before their files are read, whichever
# file they show).
SEEN = """
const at = e => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; };
const seen = f => [at(f), f.querySelector('.title-bar').innerText, f.querySelector('.menu-bar').innerText,
                   ...[...f.querySelectorAll('img')].filter(i => i.checkVisibility({visibilityProperty: true}))
                      .map(at)];"""

# The title window drawn into the page, once the page is parsed, before its program runs.
FIRST_WINDOW_AT_LOAD = SEEN + """
document.addEventListener('DOMContentLoaded', () => { window.firstWindow = seen(document.getElementById('first-window')); });"""

PROGRAM_WINDOW = SEEN + "return seen(document.querySelector('section.window.active'));"


def title_window_at_once(chromium, url):
    """The title window is drawn by the page itself, before its program runs;
    the program's own comes in the same place with the same bars and
    pictures, and the page's goes."""
    chromium.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': FIRST_WINDOW_AT_LOAD})
    chromium.driver.get(url)
    chromium.wait_for_text('Jouons tout de suite...')
    first = chromium.driver.execute_script('return window.firstWindow')
    program = chromium.driver.execute_script(PROGRAM_WINDOW)
    assert first == program, (first, program)
    chromium.wait_for("the page's own title window gone", lambda: chromium.driver.execute_script(
        "return document.getElementById('first-window') === null"), timeout=5)


def addresses(path):
    with open(path, encoding='utf-8') as f:
        text = f.read()
    named = re.findall(r'''(?:src|href|data-src|data-sharp|data-program)\s*=\s*["'](?!data:)([^"']*)|url\((?!"?data:|"'\+)([^)]*)\)''', text)
    return sorted(a or b for a, b in named)


def small_page_from_disk(chromium):
    # The page names its program and the title window's pictures, beside it;
    # the program, the manifest and the home screen's icon that it names when
    # served, never from disk. Nothing else is fetched: the program's pictures
    # are blob: addresses it makes, its faces are inside it.
    program = os.path.join(os.path.dirname(PAGE), 'index.js')
    assert addresses(PAGE) == ['index.js', 'pictures/backdrop.jpg', 'pictures/backdrop@2x.jpg', 'pictures/logo.gif',
                               'pictures/logo@2x.gif'], addresses(PAGE)
    assert addresses(program) == ['icons/touch.png', 'manifest.webmanifest'], addresses(program)
    assert os.path.getsize(PAGE) < 32 * 1024, os.path.getsize(PAGE)
    title_window_at_once(chromium, 'file://' + PAGE)
    assert chromium.driver.execute_script("return document.querySelector('link[rel=manifest]')") is None
    policy = chromium.driver.execute_script(
        "return document.querySelector('meta[http-equiv=\"Content-Security-Policy\"]').content")
    assert "default-src 'none'" in policy and "script-src 'self' 'sha256-" in policy and 'unsafe-inline' not in policy, policy
    assert chromium.driver.title == 'LE TOLVANE VIRAIL'
    icons = chromium.driver.execute_script(
        "return [...document.querySelectorAll('link[rel=icon]')].map(l => l.sizes.value + ' ' + l.href.slice(0, 21))")
    assert icons == ['16x16 data:image/png;base64', '32x32 data:image/png;base64'], icons
    windows_placed_as_on_the_desktop(chromium)
    # The stand-in faces, built into the program, are the ones that drew its text:
    # the title line in Lobster Two, shown before the window moved on to the name box.
    # (The page's own cuts of the bars' faces hold the letters of the title window's bars alone.)
    faces = chromium.driver.execute_script("""
      return document.fonts.ready.then(() => [...document.fonts]
        .filter(f => f.status === 'loaded' && f.unicodeRange === 'U+0-10FFFF')
        .map(f => f.family.replace(/"/g, '') + ' ' + f.weight).sort());""")
    assert faces == ['Liberation Sans 400', 'Liberation Sans 700', 'Lobster Two 100 900'], faces
    # The game's own faces come first, where the player has them.
    families = chromium.driver.execute_script(
        "return [...new Set([...document.querySelectorAll('.label')].map(l => l.style.fontFamily))].sort()")
    assert families == ['"MS Sans Serif", "Liberation Sans"', '"Odessa LET", "Lobster Two"'], families


def windows_placed_as_on_the_desktop(chromium):
    display_width, display_height = chromium.driver.execute_script(
        'return [document.documentElement.clientWidth, document.documentElement.clientHeight]')
    chromium.wait_for_text('Quel est ton nom jeune bon à rien ?')
    # The name box: centred across, its top a third of the way down, each rounded down
    # to the pixel (runtime/input_box.h).
    left, top, width = chromium.driver.execute_script("""
      const b = document.querySelector('section.box');
      return [b.offsetLeft, b.offsetTop, b.offsetWidth];""")
    assert (left, top) == ((display_width - width) // 2, display_height // 3), (left, top, width)
    assert [chromium.button(name).text for name in ('OK', 'Annuler')] == ['OK', 'Annuler']
    chromium.press(Keys.ENTER)
    chromium.wait_for_text('grosse vache moche')
    # The first question's client area is its layout's (8145 x 7440 twips), and its
    # outer frame is centred on the display by the game's own rule.
    geometry = chromium.driver.execute_script("""
      const w = document.querySelector('section.window.active');
      const c = w.querySelector('.client');
      return [c.offsetWidth, c.offsetHeight, w.offsetLeft, w.offsetTop, w.offsetWidth, w.offsetHeight];""")
    client_width, client_height, left, top, width, height = geometry
    assert (client_width, client_height) == (543, 496), geometry
    assert abs(left - (display_width - width) / 2) <= 0.5 and abs(top - (display_height - height) / 2) <= 0.5, geometry


@contextlib.contextmanager
def served(folder):
    """A static web server on this computer for `folder`; yields its address."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Quiet, directory=folder))
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield 'http://127.0.0.1:%d/' % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


def from_a_web_server(chromium):
    with served(os.path.dirname(PAGE)) as address:
        title_window_at_once(chromium, address + os.path.basename(PAGE))
        assert chromium.driver.title == 'LE TOLVANE VIRAIL'
        chromium.wait_for_text('Quel est ton nom jeune bon à rien ?')


def boxes_about_and_close(chromium):
    title_then_name_box(chromium)
    # Escape cancels the name box: the greeting is the empty name's.
    chromium.type('Personne')
    chromium.press(Keys.ESCAPE)
    chromium.wait_for_text('!')
    assert '!' in chromium.front()['labels'], chromium.front()
    # Alt+A opens the About box, in front; its close control closes it alone.
    chromium.alt('a')
    about = chromium.wait_for_text('DE KORVATH')
    assert about['caption'] == 'A propos de...' and about['active'], about
    assert 'LE TOLVANE VIRAIL' in about['labels'][0] and '\n' in about['labels'][0], about
    # Dragged by its title bar, it follows the mouse; a click on the window
    # behind it brings that one to the front, and a click on it brings it back.
    frame = chromium.driver.find_element('css selector', 'section.window.active')
    before = frame.rect
    bar = frame.find_element('css selector', '.title-bar')
    chromium.actions().move_to_element_with_offset(bar, -bar.rect['width'] // 2 + 10, 0).click_and_hold() \
        .move_by_offset(-60, 40).release().perform()
    assert (frame.rect['x'] - before['x'], frame.rect['y'] - before['y']) == (-60, 40), (before, frame.rect)
    question = chromium.driver.find_element('css selector', 'section.window:not(.active):not(.out-of-view)')
    chromium.actions().move_to_element_with_offset(question, question.rect['width'] // 2 - 20, 0).click().perform()
    assert chromium.front()['caption'] == 'LE TOLVANE VIRAIL', chromium.windows()
    assert [w['caption'] for w in chromium.windows()] == ['LE TOLVANE VIRAIL', 'A propos de...'], chromium.windows()
    chromium.click(frame.find_element('css selector', '.caption'))
    assert chromium.front()['caption'] == 'A propos de...', chromium.windows()
    chromium.click(chromium.element('.close'))
    chromium.wait_for('the question window in front again',
                      lambda: chromium.front() and chromium.front()['caption'] == 'LE TOLVANE VIRAIL')
    # Closing the last window on view ends the game.
    chromium.click(chromium.element('.close'))
    chromium.wait_for('the page left when the game is over', chromium.game_over)
    chromium.click(chromium.driver.find_element('css selector', '.game-over button'))
    chromium.wait_for_text('Jouons tout de suite...')


def accessibility_tree(chromium):
    title_then_name_box(chromium)
    nodes = chromium.accessible_nodes()
    for node in [('dialog', 'MARZELLE TE DEMANDE TON NOM'), ('textbox', 'Quel est ton nom jeune bon à rien ?'),
                 ('button', 'OK'), ('button', 'Annuler')]:
        assert node in nodes, (node, nodes)
    chromium.type('Camille')
    chromium.press(Keys.ENTER)
    chromium.wait_for_text('Camille!')
    nodes = chromium.accessible_nodes()
    texts = [name for role, name in nodes if role == 'StaticText']
    for node in [('dialog', 'LE TOLVANE VIRAIL'), ('button', 'Repondre'), ('menuitem', 'Jeu'),
                 ('menuitem', 'A propos de...'), ('image', 'Marzelle, tout sourire, avec son nom'),
                 ('StaticText', 'Camille!')]:
        assert node in nodes, (node, nodes)
    assert any('grosse vache moche' in text for text in texts), texts
    # Only the window in front is read: the title window is out of view.
    assert [name for role, name in nodes if role == 'dialog'] == ['LE TOLVANE VIRAIL'], nodes
    # The captions that change while a window is on view are announced.
    live = chromium.driver.execute_script(
        "return [...document.querySelectorAll('.label')].every(l => l.getAttribute('aria-live') === 'polite')")
    assert live
    # The answer box is named as on Windows, and the buttons carry their Alt letter.
    assert ('textbox', 'Réponse') in nodes, nodes
    shortcut = chromium.driver.execute_script(
        "return document.querySelector('section.window.active button.button').getAttribute('aria-keyshortcuts')")
    assert shortcut == 'Alt+R', shortcut
    chromium.click(chromium.element('input'))
    chromium.type('bof')
    # Reached again by the keyboard, the answer box has its whole text selected.
    selection = "const e = document.activeElement; return e.tagName === 'INPUT' && [e.selectionStart, e.selectionEnd];"
    chromium.press(Keys.TAB)
    chromium.wait_for('the focus gone on from the answer box', lambda: chromium.driver.execute_script(selection) is False)
    chromium.shift_tab()
    chromium.wait_for('the answer box reached by Shift+Tab, its text selected',
                      lambda: chromium.driver.execute_script(selection) == [0, 3])
    chromium.alt('r')
    chromium.wait_for_text('FAUX : MARZELLE !')
    assert ('StaticText', '      FAUX : MARZELLE !') in chromium.accessible_nodes(), chromium.accessible_nodes()
    assert ('button', 'Suite') in chromium.accessible_nodes()
    for _ in range(4):
        chromium.alt('s')
        chromium.wait_for('the next question', lambda: chromium.front()['labels'] and
                          any('?' in label for label in chromium.front()['labels']))
        chromium.alt('r')
        chromium.wait_for('a verdict', lambda: chromium.focused() in ('Suite', 'Fin'))
    chromium.alt('f')
    chromium.wait_for_text('OH ! CLIQUE LUI LA GUEULE !')
    nodes = chromium.accessible_nodes()
    assert ('StaticText', 'OH ! CLIQUE LUI LA GUEULE !') in nodes, nodes
    assert ('image', 'Marzelle fait au revoir de la main') in nodes, nodes


# Compares, in the page, a square of a screenshot (device pixels) with the
# same square of the picture file an <img> shows, decoded at its own size.
SAME_AS_FILE = """
const [shot, src, left, top, fromX, fromY, side, done] = arguments;
const pixels = (source, x, y) => {
  const canvas = document.createElement('canvas');
  canvas.width = side; canvas.height = side;
  const context = canvas.getContext('2d');
  context.drawImage(source, -x, -y);
  return context.getImageData(0, 0, side, side).data;
};
const screen = new Image();
const img = new Image();
let loaded = 0;
const compare = () => {
  if (++loaded < 2) return;
  const seen = pixels(screen, Math.round(2 * left) + fromX, Math.round(2 * top) + fromY);
  const file = pixels(img, fromX, fromY);
  let worst = 0;
  for (let i = 0; i < seen.length; i++) worst = Math.max(worst, Math.abs(seen[i] - file[i]));
  done(worst);
};
screen.onload = compare;
img.onload = compare;
screen.src = 'data:image/png;base64,' + shot;
img.src = src;
"""


# The files the page's own title window shows, once the page is parsed.
FIRST_WINDOW_FILES = """
document.addEventListener('DOMContentLoaded', () => {
  window.firstWindowFiles = [...document.querySelectorAll('#first-window img')].map(i => i.getAttribute('src'));
});"""


def pictures_at_device_pixel_ratio_2(chromium):
    # Served, so that the page may read its picture files back to compare them
    # (from disk each file is an origin of its own).
    with served(os.path.dirname(PAGE)) as address:
        # A screen of two device pixels to the CSS pixel, from the page's start.
        chromium.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                        {'width': 1280, 'height': 1024, 'deviceScaleFactor': 2, 'mobile': False})
        chromium.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': FIRST_WINDOW_FILES})
        # The title moves on by itself after three seconds: on a busy machine
        # the page may be loaded again until its pictures are caught on view.
        for attempt in range(3):
            chromium.driver.get(address + os.path.basename(PAGE))
            chromium.wait_for_text('Jouons tout de suite...')
            # The page's own title window showed the 2x files too.
            files = chromium.driver.execute_script('return window.firstWindowFiles')
            assert files == ['pictures/backdrop@2x.jpg', 'pictures/logo@2x.gif'], files
            # The title's backdrop and logo come from their 2x files, at their 1x CSS size.
            chromium.wait_for('the title\'s pictures decoded', lambda: chromium.driver.execute_script(
                "return [...document.querySelectorAll('section.window.active img')].every(i => i.complete)"))
            shown = chromium.driver.execute_script("""
              return [...document.querySelectorAll('section.window.active img')].map(i => [i.naturalWidth,
                i.naturalHeight, i.getBoundingClientRect().width, i.getBoundingClientRect().height,
                i.getBoundingClientRect().left, i.getBoundingClientRect().top, i.src]);""")
            shot = chromium.driver.execute_cdp_cmd('Page.captureScreenshot', {'format': 'png'})['data']
            if chromium.front()['labels'][0] == 'Jouons tout de suite...':
                break
        else:
            raise AssertionError('the title moved on before its pictures could be taken, three times')
        sizes = [picture[:4] for picture in shown]
        assert [1600 * 2, 900 * 2, 1600, 900] in sizes and [95 * 2, 118 * 2, 95, 118] in sizes, sizes
        # On screen, each is its 2x file pixel for pixel: the logo's lettering and
        # the backdrop's dim logo.
        for width, _, _, _, left, top, src in shown:
            if width in (190, 3200):
                at = (20, 80) if width == 190 else (300, 440)
                worst = chromium.driver.execute_async_script(SAME_AS_FILE, shot, src, left, top, at[0], at[1], 32)
                assert worst <= 2, 'the picture %d px wide differs from its file by %d' % (width, worst)


if __name__ == '__main__':
    run([small_page_from_disk, from_a_web_server, boxes_about_and_close, accessibility_tree,
         pictures_at_device_pixel_ratio_2], PAGE)
