"""The game's page in headless Chromium, driven through WebDriver: the
player's keys and clicks are WebDriver actions, which Chromium dispatches as
trusted input events, and what the player sees is read back from the page.

A test that cannot run here (no page built, no Chromium, no chromedriver, no
Selenium) says why and exits with 77, which CTest reports as skipped."""

import os
import shutil
import sys
import tempfile
import time

SKIPPED = 77
CHROMIUM = '/usr/bin/chromium'
CHROMEDRIVER = '/usr/bin/chromedriver'
CHROMIUM_FLAGS = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
                  '--disable-component-update', '--disable-sync', '--no-first-run', '--window-size=1280,1024']


def skip(why):
    print('SKIP: ' + why)
    sys.exit(SKIPPED)


def page_or_skip(argv):
    """The page named on the command line, or a skip where it could not be built."""
    if len(argv) < 2:
        sys.exit('usage: %s build/web/index.html' % argv[0])
    page = os.path.abspath(argv[1])
    if not os.path.exists(page):
        skip('%s was not built (Emscripten missing?)' % page)
    for tool in (CHROMIUM, CHROMEDRIVER):
        if not os.access(tool, os.X_OK):
            skip('%s not found (Debian packages chromium, chromium-driver)' % tool)
    return page


try:
    from selenium import webdriver
    from selenium.common.exceptions import StaleElementReferenceException
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError:
    skip('Selenium for Python 3 not found (Debian package python3-selenium)')


# Reads the page as a player sees it: the windows on view, front first.
WINDOWS_ON_VIEW = """
return [...document.querySelectorAll('section.window')]
  .filter(w => w.checkVisibility({visibilityProperty: true}))
  .sort((a, b) => (Number(b.style.zIndex) || 0) - (Number(a.style.zIndex) || 0))
  .map(w => ({
    caption: w.querySelector('.caption').textContent,
    active: w.classList.contains('active'),
    box: w.classList.contains('box'),
    labels: [...w.querySelectorAll('.label, .prompt, .message')]
      .filter(l => l.checkVisibility({visibilityProperty: true})).map(l => l.innerText),
  }));
"""


class Timeout(AssertionError):
    pass


class Chromium:
    """One headless Chromium with a profile of its own, at the game's page."""

    def __init__(self, page_url):
        self.profile = tempfile.mkdtemp(prefix='tolvane-chromium-')
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in CHROMIUM_FLAGS + ['--user-data-dir=' + self.profile]:
            options.add_argument(flag)
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.console = []
        self.driver.get(page_url)

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # --- What the player sees

    def windows(self):
        return self.driver.execute_script(WINDOWS_ON_VIEW)

    def front(self):
        """The window in front (the modal box while one is open), or None."""
        windows = self.windows()
        boxes = [w for w in windows if w['box']]
        return boxes[0] if boxes else (windows[0] if windows else None)

    def wait_for(self, what, condition, timeout=15):
        """Polls `condition` until it returns something true; fails naming `what`."""
        end = time.monotonic() + timeout
        while True:
            try:
                value = condition()
            except StaleElementReferenceException:
                value = None
            if value:
                return value
            if time.monotonic() > end:
                raise Timeout('waited %ds for %s; on view: %r' % (timeout, what, self.windows()))
            time.sleep(0.02)

    def wait_for_text(self, text):
        """The front window once it shows `text` in one of its labels."""
        return self.wait_for('"%s" on view' % text,
                             lambda: (lambda w: w if w and any(text in l for l in w['labels']) else None)(
                                 self.front()))

    def element(self, css, text=None):
        """The one element on view in the front window that matches `css`
        (and whose text is `text`, if given)."""
        found = self.driver.execute_script("""
          const boxes = [...document.querySelectorAll('section.window.box')];
          const windows = boxes.length ? boxes : [...document.querySelectorAll('section.window.active')];
          return windows.flatMap(w => [...w.querySelectorAll(arguments[0])])
                        .filter(e => e.checkVisibility({visibilityProperty: true}) &&
                                     (arguments[1] === null || e.textContent === arguments[1]));""", css, text)
        assert len(found) == 1, 'expected one "%s" on view, found %d' % (css, len(found))
        return found[0]

    def button(self, name):
        """The button on view in the front window named `name` (without its "&")."""
        if self.front() and self.front()['box']:
            return self.element('.box-buttons button', name)
        return self.element('button[aria-label="%s"]' % name)

    def focused(self):
        """What has the keyboard focus: a button's name, 'text box', 'picture "..."', or the tag."""
        return self.driver.execute_script("""
          const e = document.activeElement;
          if (!e || e === document.body) return 'nothing';
          if (e.tagName === 'BUTTON') return e.getAttribute('aria-label') || e.textContent;
          if (e.tagName === 'INPUT') return 'text box';
          if (e.classList.contains('picture-box')) return 'picture "' + (e.getAttribute('aria-label') || '') + '"';
          return e.tagName.toLowerCase();""")

    def typed(self):
        return self.driver.execute_script('return document.activeElement.value')

    def game_over(self):
        return self.driver.execute_script("const e = document.querySelector('.game-over'); return e && e.innerText")

    # --- What the player does: real input events

    def actions(self):
        return ActionChains(self.driver, duration=0)

    def click(self, element):
        self.actions().move_to_element(element).click().perform()

    def press(self, *keys):
        chain = self.actions()
        for key in keys:
            chain.send_keys(key)
        chain.perform()

    def shift_tab(self):
        self.actions().key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()

    def alt(self, letter):
        self.actions().key_down(Keys.ALT).send_keys(letter.lower()).key_up(Keys.ALT).perform()

    def type(self, text):
        self.actions().send_keys(text).perform()

    # --- The console and the accessibility tree

    def console_problems(self):
        """Every error and warning the page wrote to the console so far."""
        self.console += self.driver.get_log('browser')
        return [entry for entry in self.console if entry['level'] in ('SEVERE', 'WARNING')]

    def accessible_nodes(self):
        """(role, name) of every node of the page's accessibility tree that is not ignored."""
        tree = self.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})
        nodes = []
        for node in tree['nodes']:
            if node.get('ignored'):
                continue
            role = node.get('role', {}).get('value', '')
            name = node.get('name', {}).get('value', '')
            nodes.append((role, name))
        return nodes


def run(checks, page):
    """Runs each check, a function of a fresh Chromium, in its own browser;
    prints each one's outcome and exits non-zero if any failed."""
    failures = 0
    for check in checks:
        started = time.monotonic()
        try:
            with Chromium('file://' + page) as chromium:
                check(chromium)
                problems = chromium.console_problems()
                assert not problems, 'the console has errors or warnings: %r' % problems
            print('PASS: %s (%.1f s)' % (check.__name__, time.monotonic() - started))
        except Exception as error:  # a failed check names itself and the next one runs
            failures += 1
            print('FAIL: %s: %s: %s' % (check.__name__, type(error).__name__, error))
    sys.exit(1 if failures else 0)
