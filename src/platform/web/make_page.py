#!/usr/bin/env python3
"""Assembles the game's page: one self-contained index.html holding the
program (its WebAssembly inside the script), the stylesheet, the stand-in
faces cut down to the letters of Western European languages, and the program
icon. Its Content-Security-Policy lets only this page's own script and style run.

With --offline, the files beside it that install it from a web server and keep
it for play without a network: its web app manifest with the program's icons
(those of the sizes given that exist), the service worker, and robots.txt."""

import argparse
import base64
import hashlib
import html
import io
import json
import logging
import os
import shutil

from fontTools import subset
from fontTools.ttLib import TTFont

# Latin-1, Latin Extended-A, the general punctuation, the euro and trade marks.
LETTERS = [*range(0x20, 0x7F), *range(0xA0, 0x180), *range(0x2010, 0x2027), 0x2030, 0x2039, 0x203A, 0x20AC, 0x2122]


def data_url(kind, data):
    return 'data:%s;base64,%s' % (kind, base64.b64encode(data).decode('ascii'))


def web_font(path):
    logging.getLogger('fontTools').setLevel(logging.ERROR)
    options = subset.Options()
    options.flavor = 'woff'
    options.hinting = False
    options.desubroutinize = True
    options.layout_features = ['kern', 'liga']
    font = TTFont(path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=LETTERS)
    subsetter.subset(font)
    out = io.BytesIO()
    subset.save_font(font, out, options)
    return data_url('font/woff', out.getvalue())


def font_faces(faces):
    rules = []
    for face in faces:
        family, weight, style, path = face.split(':', 3)
        rules.append('@font-face{font-family:"%s";font-weight:%s;font-style:%s;src:url(%s) format("woff")}'
                     % (family, weight, style, web_font(path)))
    return '\n'.join(rules) + '\n'


def source_hash(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode('utf-8')).digest()).decode('ascii')


# The active title bar's blue, and the desktop's.
THEME_COLOUR = '#0a246a'
BACKGROUND_COLOUR = '#3a6ea5'


def write_offline_files(page_path, page_text, title, description, icons, touch_icon, worker_template):
    """The manifest, the icons it names, the service worker and robots.txt,
    beside the page; returns the lines the page's head gains."""
    folder = os.path.dirname(os.path.abspath(page_path))
    page = os.path.basename(page_path)
    entries = []
    for icon in icons:
        size, purpose, path = icon.split(':', 2)
        if not os.path.exists(path):
            continue  # not drawn yet: the manifest goes without it
        name = 'icons/%s-%s.png' % (size, purpose)
        os.makedirs(os.path.join(folder, 'icons'), exist_ok=True)
        shutil.copyfile(path, os.path.join(folder, name))
        entries.append({'src': name, 'sizes': '%sx%s' % (size, size), 'type': 'image/png', 'purpose': purpose})
    manifest = {'name': title, 'short_name': title, 'description': description, 'lang': 'fr', 'dir': 'ltr',
                'id': './', 'start_url': './' + page, 'scope': './', 'display': 'standalone',
                'theme_color': THEME_COLOUR, 'background_color': BACKGROUND_COLOUR, 'icons': entries}
    with open(os.path.join(folder, 'manifest.webmanifest'), 'w', encoding='utf-8') as f:
        json.dump(manifest, f, ensure_ascii=False, indent=1)
    files = ['./', page, 'manifest.webmanifest'] + [entry['src'] for entry in entries]
    if touch_icon and os.path.exists(touch_icon):
        # What a phone's home screen shows where the manifest is not read.
        os.makedirs(os.path.join(folder, 'icons'), exist_ok=True)
        shutil.copyfile(touch_icon, os.path.join(folder, 'icons', 'touch.png'))
        files.append('icons/touch.png')
    version = hashlib.sha256((page_text + json.dumps(manifest)).encode('utf-8')).hexdigest()[:16]
    with open(worker_template, encoding='utf-8') as f:
        worker = f.read().replace('@VERSION@', 'tolvane-' + version).replace('@FILES@', json.dumps(files))
    with open(os.path.join(folder, 'service_worker.js'), 'w', encoding='utf-8') as f:
        f.write(worker)
    with open(os.path.join(folder, 'robots.txt'), 'w', encoding='utf-8') as f:
        f.write('User-agent: *\nAllow: /\n')
    return ('<meta name="theme-color" content="%s">'
            % THEME_COLOUR)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--template', required=True)
    parser.add_argument('--style', required=True)
    parser.add_argument('--script', required=True)
    parser.add_argument('--title', required=True)
    parser.add_argument('--icon16', required=True)
    parser.add_argument('--icon32', required=True)
    parser.add_argument('--description', required=True)
    parser.add_argument('--font', action='append', default=[], help='family:weight:style:file')
    parser.add_argument('--picture', action='append', default=[],
                        help='a picture file the page carries after its program (NAME.jpg or NAME.gif)')
    parser.add_argument('--offline', metavar='SERVICE_WORKER_TEMPLATE',
                        help='write the manifest, service worker and robots.txt beside the page')
    parser.add_argument('--app-icon', action='append', default=[], help='size:purpose:file, where it exists')
    parser.add_argument('--touch-icon', help='the 180 px icon of a home screen, where it exists')
    parser.add_argument('--output', required=True)
    args = parser.parse_args()

    with open(args.style, encoding='utf-8') as f:
        style = font_faces(args.font) + f.read()
    with open(args.script, encoding='utf-8') as f:
        script = f.read()
    icons = {}
    for name in ('icon16', 'icon32'):
        with open(getattr(args, name), 'rb') as f:
            icons[name] = data_url('image/png', f.read())
    # The script reads its own WebAssembly from a data: address (connect-src);
    # the pictures are blob: addresses the script makes.
    # Served, the page may name its manifest, start its service worker, and be
    # read by the tools that audit it (robots.txt, fetched from the page).
    policy = ("default-src 'none'; script-src %s 'wasm-unsafe-eval'; style-src %s; img-src 'self' data: blob:; "
              "font-src data:; connect-src 'self' data:; manifest-src 'self'; worker-src 'self'; base-uri 'none'; "
              "form-action 'none'" % (source_hash(script), source_hash(style)))
    with open(args.template, encoding='utf-8') as f:
        page = f.read()
    # Data, not script: the browser runs none of it, and reads it only when
    # the program asks for a picture by its name.
    blocks = ''
    for path in args.picture:
        name, extension = os.path.splitext(os.path.basename(path))
        with open(path, 'rb') as f:
            data = base64.b64encode(f.read()).decode('ascii')
        blocks += '<script type="application/octet-stream" id="picture-%s" data-type="image/%s">%s</script>\n' % (
            name, 'gif' if extension == '.gif' else 'jpeg', data)
    # The script goes in last: nothing in it is taken for a placeholder.
    head = ''
    if args.offline:
        head = write_offline_files(args.output, page + script + style + blocks, args.title, args.description, args.app_icon,
                                   args.touch_icon, args.offline)
    for key, value in (('@POLICY@', policy), ("@TITLE@", html.escape(args.title)),
                       ('@DESCRIPTION@', html.escape(args.description)), ('@HEAD@', head),
                       ('@ICON16@', icons['icon16']),
                       ('@ICON32@', icons['icon32']), ('@STYLE@', style)):
        page = page.replace(key, value)
    before, after = page.split('@SCRIPT@')
    after = after.replace('</body>', blocks + '</body>')
    with open(args.output, 'w', encoding='utf-8') as f:
        f.write(before + script + after)


if __name__ == '__main__':
    main()
