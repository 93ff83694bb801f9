#!/usr/bin/env python3
"""The conformance suite on the web runtime: the suite runs in its page and
hands each action of its player here; this driver performs them in turn as real input
through WebDriver (keys and clicks as WebDriver actions, text through the
browser's input method path) and marks it done, until the suite's last word.

    test_conformance.py build/web/tests/conformance/web/conformance.html [--phone] [part-of-a-group-name]

With --phone, the suite alone on an emulated phone (390 x 844 CSS px, touch),
where the page draws the windows at a smaller scale."""

import sys
import time

from chromium import Chromium, Keys, page_or_skip
from selenium.webdriver.common.action_chains import ActionBuilder

KEYS = {'Tab': Keys.TAB, 'Enter': Keys.ENTER, 'Space': Keys.SPACE, 'Escape': Keys.ESCAPE,
        'Left': Keys.LEFT, 'Right': Keys.RIGHT, 'Up': Keys.UP, 'Down': Keys.DOWN}
SUITE_TIME_LIMIT = 240

NEXT = """
const out = globalThis.tolvaneOutput || [];
globalThis.tolvaneOutput = [];
return [(globalThis.tolvaneRequests || [])[0] || null, globalThis.tolvaneExit === undefined ? null : globalThis.tolvaneExit,
        out];"""


def perform(chromium, request):
    kind, text = request['kind'], request['text']
    actions = chromium.actions()
    if kind == 'key' and text == 'BackTab':
        actions.key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
    elif kind == 'key':
        actions.send_keys(KEYS[text]).perform()
    elif kind == 'alt':
        chromium.alt(text)
    elif kind == 'letter':
        actions.send_keys(text.lower()).perform()
    elif kind == 'altF4':
        actions.key_down(Keys.ALT).send_keys(Keys.F4).key_up(Keys.ALT).perform()
    elif kind == 'type':
        chromium.driver.execute_cdp_cmd('Input.insertText', {'text': text})
    for step in request['steps']:
        x, y = chromium.driver.execute_script('return tolvanePointOf(arguments[0])', step)
        pointer = ActionBuilder(chromium.driver)
        pointer.pointer_action.move_to_location(x, y).click()
        pointer.perform()
    chromium.driver.execute_script('tolvaneRequestDone(arguments[0])', request['id'])


def main():
    phone = '--phone' in sys.argv
    arguments = [a for a in sys.argv if a != '--phone']
    page = page_or_skip(arguments)
    only = arguments[2] if len(arguments) > 2 else ''
    url = 'file://' + page + ('?suite' if phone else '') + ('#' + only if only else '')
    with Chromium('about:blank' if phone else url) as chromium:
        if phone:
            chromium.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True})
            chromium.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                'width': 390, 'height': 844, 'deviceScaleFactor': 3, 'mobile': True})
            chromium.driver.get(url)
        end = time.monotonic() + SUITE_TIME_LIMIT
        while time.monotonic() < end:
            request, status, lines = chromium.driver.execute_script(NEXT)
            for line in lines:
                print(line, flush=True)
            if status is not None:
                problems = chromium.console_problems()
                if problems:
                    print('FAIL: the console has errors or warnings: %r' % problems)
                    return 1
                return status
            if request:
                perform(chromium, request)
            else:
                time.sleep(0.002)
        print('FAIL: the suite did not finish within %d s' % SUITE_TIME_LIMIT)
        print(chromium.console_problems())
        return 1


if __name__ == '__main__':
    sys.exit(main())
