#!/usr/bin/env python3
"""Assembles the game's page in two files that play from disk or from any web
server. The page itself is small, painted as soon as it arrives: the
stylesheet, the program icon, the title window drawn from its layout with the
letters of its title and menu bars in the stand-in faces, and the pictures it
shows beside it. Then its program file (a classic script, which a browser
runs from disk too): the stand-in faces cut down to the letters of Western
European languages, and the program, its WebAssembly inside the script. The
page's Content-Security-Policy lets only its own scripts and style run.

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


def web_font(path, letters=LETTERS):
    logging.getLogger('fontTools').setLevel(logging.ERROR)
    options = subset.Options()
    options.flavor = 'woff'
    options.hinting = False
    options.desubroutinize = True
    options.layout_features = ['kern', 'liga']
    font = TTFont(path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=letters)
    subsetter.subset(font)
    out = io.BytesIO()
    subset.save_font(font, out, options)
    return data_url('font/woff', out.getvalue())


# The face of the title and menu bars (page.css).
BAR_FAMILY = 'Liberation Sans'


def first_faces(faces, text):
    """The faces of the first window's bars, cut down to the letters of `text`."""
    letters = sorted({ord(c) for c in text} | {0x20})
    ranges = ','.join('U+%X' % c for c in letters)
    rules = []
    for face in faces:
        family, weight, style, path = face.split(':', 3)
        if family != BAR_FAMILY:
            continue
        rules.append('@font-face{font-family:"%s";font-weight:%s;font-style:%s;unicode-range:%s;'
                     'src:url(%s) format("woff")}' % (family, weight, style, ranges, web_font(path, letters)))
    return '\n'.join(rules) + '\n'


def program_faces(faces):
    """The script that gives the page its whole faces, ahead of the program."""
    entries = []
    for face in faces:
        family, weight, style, path = face.split(':', 3)
        entries.append([family, 'url(%s) format("woff")' % web_font(path), {'weight': weight, 'style': style}])
    return ('%s.forEach(function (f) { document.fonts.add(new FontFace(f[0], f[1], f[2])); });\n'
            % json.dumps(entries))


def source_hash(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode('utf-8')).digest()).decode('ascii')


# The active title bar's blue, and the desktop's.
THEME_COLOUR = '#0a246a'
BACKGROUND_COLOUR = '#3a6ea5'


def write_offline_files(page_path, page_text, title, description, icons, touch_icon, worker_template, kept):
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
    files = ['./', page, 'manifest.webmanifest'] + kept + [entry['src'] for entry in entries]
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
    parser.add_argument('--script', required=True, help="the program's script, WebAssembly inside")
    parser.add_argument('--place', action='append', required=True,
                        help="a script of the page's own, which places the first window (in order)")
    parser.add_argument('--title', required=True)
    parser.add_argument('--icon16', required=True)
    parser.add_argument('--icon32', required=True)
    parser.add_argument('--description', required=True)
    parser.add_argument('--font', action='append', default=[], help='family:weight:style:file')
    parser.add_argument('--first-window', required=True,
                        help='the title window, as the program first_window_main.cpp writes it (JSON)')
    parser.add_argument('--pictures', required=True, help="the game's pictures")
    parser.add_argument('--picture', action='append', default=[],
                        help='a 2x picture file the page carries beside it (NAME@2x.jpg or NAME@2x.gif)')
    parser.add_argument('--offline', metavar='SERVICE_WORKER_TEMPLATE',
                        help='write the manifest, service worker and robots.txt beside the page')
    parser.add_argument('--app-icon', action='append', default=[], help='size:purpose:file, where it exists')
    parser.add_argument('--touch-icon', help='the 180 px icon of a home screen, where it exists')
    parser.add_argument('--output', required=True, help='the page; its program file goes beside it, named after it')
    args = parser.parse_args()

    folder = os.path.dirname(os.path.abspath(args.output))
    program_name = os.path.splitext(os.path.basename(args.output))[0] + '.js'
    with open(args.first_window, encoding='utf-8') as f:
        first_window = json.load(f)
    window, shown = first_window['markup'], first_window['pictures']
    with open(args.style, encoding='utf-8') as f:
        style = first_faces(args.font, first_window['text']) + f.read() + first_window['style']
    with open(args.script, encoding='utf-8') as f:
        program = program_faces(args.font) + f.read()
    place = ''
    for script in args.place:
        with open(script, encoding='utf-8') as f:
            place += f.read()
    os.makedirs(os.path.join(folder, 'pictures'), exist_ok=True)
    for picture in shown:
        shutil.copyfile(os.path.join(args.pictures, picture), os.path.join(folder, 'pictures', picture))
    icons = {}
    for name in ('icon16', 'icon32'):
        with open(getattr(args, name), 'rb') as f:
            icons[name] = data_url('image/png', f.read())
    # The program file and the first window's pictures are the page's own
    # ('self', from disk too); the program reads its own WebAssembly from a
    # data: address (connect-src), and its pictures are blob: addresses it makes.
    # Served, the page may name its manifest, start its service worker, and be
    # read by the tools that audit it (robots.txt, fetched from the page).
    policy = ("default-src 'none'; script-src 'self' %s 'wasm-unsafe-eval'; style-src %s; img-src 'self' data: blob:; "
              "font-src data:; connect-src 'self' data:; manifest-src 'self'; worker-src 'self'; base-uri 'none'; "
              "form-action 'none'" % (source_hash(place), source_hash(style)))
    with open(args.template, encoding='utf-8') as f:
        page = f.read()
    # The 2x pictures, files beside the page that the program reads only for a
    # screen that shows them; their names in a block of data, not script.
    sharp = {}
    for path in args.picture:
        name = os.path.basename(path)
        shutil.copyfile(path, os.path.join(folder, 'pictures', name))
        sharp[os.path.splitext(name)[0]] = 'pictures/' + name
    names = '<script type="application/json" id="sharp-pictures">%s</script>\n' % json.dumps(sharp)
    kept = sorted({'pictures/' + picture for picture in shown} | set(sharp.values()))
    # The scripts go in last: nothing in them is taken for a placeholder.
    head = ''
    if args.offline:
        pictures = hashlib.sha256()
        for picture in kept:
            with open(os.path.join(folder, picture), 'rb') as f:
                pictures.update(f.read())
        head = write_offline_files(args.output, page + program + style + window + names + pictures.hexdigest(),
                                   args.title, args.description, args.app_icon, args.touch_icon, args.offline,
                                   [program_name] + kept)
    for key, value in (('@POLICY@', policy), ("@TITLE@", html.escape(args.title)),
                       ('@DESCRIPTION@', html.escape(args.description)), ('@HEAD@', head),
                       ('@ICON16@', icons['icon16']), ('@ICON32@', icons['icon32']), ('@STYLE@', style),
                       ('@PROGRAM@', program_name), ('@FIRST_WINDOW@', window)):
        page = page.replace(key, value)
    before, after = page.split('@PLACE@')
    after = after.replace('</body>', names + '</body>')
    with open(args.output, 'w', encoding='utf-8') as f:
        f.write(before + place + after)
    with open(os.path.join(folder, program_name), 'w', encoding='utf-8') as f:
        f.write(program)


if __name__ == '__main__':
    main()
