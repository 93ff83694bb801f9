#!/usr/bin/env python3
"""The page on phones and tablets (Chromium's emulation, touch): every window
in view on four screens, turned while on view; a whole game by taps; the
close box and menus at a finger's size; the window being typed in above the
on-screen keyboard; a finger dragging a window. Then the page served from a
web server: installable, and played again with the network gone."""

import os
import sys
import time

from chromium import page_or_skip, run
from test_games import ANSWERS, QUESTIONS, VERDICTS, ANSWER_BUTTONS
from test_page import served

PAGE = page_or_skip(sys.argv)

# width, height (CSS px), device pixels to a CSS pixel
PHONE = (390, 844, 3)
SCREENS = [PHONE, (360, 640, 3), (844, 390, 3), (768, 1024, 2)]

# What lies outside the visible area: every window and box on view wholly in
# it, and the page no wider than the screen.
OUT_OF_VIEW = """
const view = document.documentElement, out = [];
for (const w of document.querySelectorAll('section.window')) {
  if (!w.checkVisibility({visibilityProperty: true})) continue;
  const r = w.getBoundingClientRect();
  if (r.left < -0.5 || r.top < -0.5 || r.right > view.clientWidth + 0.5 || r.bottom > view.clientHeight + 0.5)
    out.push(w.querySelector('.caption').textContent + ' at ' + [r.left, r.top, r.right, r.bottom].map(Math.round));
}
if (view.scrollWidth > view.clientWidth) out.push('the page scrolls sideways: ' + view.scrollWidth);
return out;"""

RECT = "const r = arguments[0].getBoundingClientRect(); return [r.left, r.top, r.width, r.height];"


def emulate(chromium, width, height, scale):
    chromium.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
        'width': width, 'height': height, 'deviceScaleFactor': scale, 'mobile': True})
    chromium.wait_for('the page at %dx%d' % (width, height), lambda: chromium.driver.execute_script(
        'return [innerWidth, innerHeight]') == [width, height])


def on_a_phone(chromium):
    chromium.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 5})
    emulate(chromium, *PHONE)
    chromium.driver.get('file://' + PAGE)


def in_view_on_every_screen(chromium):
    """Turns the phone through the four screens, each window on view wholly
    in view on each, and back to the phone."""
    for screen in SCREENS[1:] + [PHONE]:
        emulate(chromium, *screen)
        chromium.wait_for('every window in view at %dx%d' % screen[:2],
                          lambda: chromium.driver.execute_script(OUT_OF_VIEW) == [], timeout=5)


def touch(chromium, kind, x, y):
    points = [] if kind == 'touchEnd' else [{'x': x, 'y': y}]
    chromium.driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': kind, 'touchPoints': points})


def tap(chromium, element):
    left, top, width, height = chromium.driver.execute_script(RECT, element)
    touch(chromium, 'touchStart', left + width / 2, top + height / 2)
    touch(chromium, 'touchEnd', 0, 0)


def drag(chromium, x, y, dx, dy):
    """A finger's drag that stops before it lifts: a quick flick would leave
    the page scrolling on, and the next tap would only stop it."""
    touch(chromium, 'touchStart', x, y)
    for step in range(1, 11):
        touch(chromium, 'touchMove', x + dx * step / 10, y + dy * step / 10)
    time.sleep(0.2)
    touch(chromium, 'touchMove', x + dx, y + dy)
    touch(chromium, 'touchEnd', 0, 0)


def finger_sized(chromium, element):
    width, height = chromium.driver.execute_script(RECT, element)[2:]
    assert width >= 24 and height >= 24, (element.get_attribute('class'), width, height)


def above_the_keyboard(chromium):
    """The phone's on-screen keyboard takes the lower 55 % of the screen
    while the answer box is being typed in, then goes."""
    field, button = chromium.element('input'), chromium.button('Repondre')
    before = chromium.driver.execute_script(RECT, field)
    emulate(chromium, PHONE[0], int(PHONE[1] * 0.45), PHONE[2])
    visible = PHONE[1] * 0.45
    chromium.wait_for('the answer box and its button above the keyboard', lambda: all(
        top >= 0 and top + height <= visible
        for _, top, _, height in (chromium.driver.execute_script(RECT, e) for e in (field, button))), timeout=5)
    emulate(chromium, *PHONE)
    chromium.wait_for('the window back where it was', lambda: chromium.driver.execute_script(RECT, field) == before,
                      timeout=5)


def game_by_taps(chromium):
    on_a_phone(chromium)
    chromium.wait_for_text('Jouons tout de suite...')
    in_view_on_every_screen(chromium)
    chromium.wait_for_text('Quel est ton nom jeune bon à rien ?')
    in_view_on_every_screen(chromium)
    chromium.type('Camille')
    tap(chromium, chromium.button('OK'))
    chromium.wait_for_text('Camille!')
    for element in (chromium.element('.close'), chromium.element('.menu-item[aria-label="Jeu"]'),
                    chromium.element('.menu-item[aria-label="A propos de..."]')):
        finger_sized(chromium, element)
    # A tap on "Jeu" opens it, a tap elsewhere closes it.
    tap(chromium, chromium.element('.menu-item[aria-label="Jeu"]'))
    chromium.wait_for('the menu open', lambda: chromium.driver.execute_script(
        "return document.querySelector('.menu-item.open')"), timeout=5)
    finger_sized(chromium, chromium.element('.menu-command[aria-label="Quitter"]'))
    tap(chromium, chromium.element('.client'))
    chromium.wait_for('the menu closed', lambda: chromium.driver.execute_script(
        "return !document.querySelector('.menu-item.open')"), timeout=5)
    # The About box, where it is laid out, and its close box.
    tap(chromium, chromium.element('.menu-item[aria-label="A propos de..."]'))
    chromium.wait_for_text('DE KORVATH')
    in_view_on_every_screen(chromium)
    tap(chromium, chromium.element('.close'))
    chromium.wait_for_text('Camille!')
    for number, ((answer, _), (verdict, next_button), question, button) in enumerate(
            zip(ANSWERS, VERDICTS, QUESTIONS, ANSWER_BUTTONS)):
        chromium.wait_for_text(question)
        tap(chromium, chromium.element('input'))
        chromium.wait_for('the answer box focused', lambda: chromium.focused() == 'text box', timeout=5)
        if number == 0:
            above_the_keyboard(chromium)
            in_view_on_every_screen(chromium)
        chromium.type(answer)
        tap(chromium, chromium.button(button))
        chromium.wait_for_text(verdict)
        if number == 0:
            in_view_on_every_screen(chromium)
        tap(chromium, chromium.button(next_button))
    chromium.wait_for_text('OH ! CLIQUE LUI LA GUEULE !')
    in_view_on_every_screen(chromium)
    tap(chromium, chromium.element('img[alt="Marzelle fait au revoir de la main"]'))
    chromium.wait_for_text('OUAIS LA GROSSE EST MORTE ! HOURRA !!!')
    # A finger on the title bar drags the window.
    frame = chromium.driver.find_element('css selector', 'section.window.active')
    left, top = chromium.driver.execute_script(RECT, frame)[:2]
    bar = chromium.driver.execute_script(RECT, frame.find_element('css selector', '.caption'))
    x, y = bar[0] + 10, bar[1] + bar[3] / 2
    drag(chromium, x, y, -8, 30)
    moved = chromium.driver.execute_script(RECT, frame)[:2]
    assert (round(moved[0] - left), round(moved[1] - top)) == (-8, 30), (left, top, moved)
    tap(chromium, chromium.element('.menu-item[aria-label="Jeu"]'))
    tap(chromium, chromium.wait_for('the menu open', lambda: chromium.element('.menu-command[aria-label="Quitter"]')
                                    if chromium.driver.execute_script("return document.querySelector('.menu-item.open')")
                                    else None, timeout=5))
    over = chromium.wait_for('the page left when the game is over', chromium.game_over)
    assert 'La partie est terminée.' in over, over


def installed_and_offline(chromium):
    with served(os.path.dirname(PAGE)) as address:
        driver = chromium.driver
        driver.get(address + os.path.basename(PAGE))
        chromium.wait_for_text('Jouons tout de suite...')
        errors = driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors']
        assert errors == [], errors
        chromium.wait_for('the page kept for offline play', lambda: driver.execute_script(
            'return navigator.serviceWorker.ready.then(r => r.active && r.active.state === "activated")'))
        # Only the service worker can answer now.
        driver.execute_cdp_cmd('Network.enable', {})
        driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
        driver.execute_cdp_cmd('Network.emulateNetworkConditions', {
            'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})
        driver.get(address)
        chromium.wait_for_text('Jouons tout de suite...')
        chromium.wait_for_text('Quel est ton nom jeune bon à rien ?')


if __name__ == '__main__':
    run([game_by_taps, installed_and_offline], PAGE)
