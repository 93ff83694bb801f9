#!/usr/bin/env python3
"""Assembles the game's page: one self-contained index.html holding the
program (its WebAssembly inside the script), the stylesheet, the stand-in
faces cut down to the letters of Western European languages, and the program
icon. Its Content-Security-Policy lets only this page's own script and style run."""

import argparse
import base64
import hashlib
import html
import io

import logging
import os

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


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--template', required=True)
    parser.add_argument('--style', required=True)
    parser.add_argument('--script', required=True)
    parser.add_argument('--title', required=True)
    parser.add_argument('--icon16', required=True)
    parser.add_argument('--icon32', required=True)
    parser.add_argument('--font', action='append', default=[], help='family:weight:style:file')
    parser.add_argument('--picture', action='append', default=[],
                        help='a picture file the page carries after its program (NAME.jpg or NAME.gif)')
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
    policy = ("default-src 'none'; script-src %s 'wasm-unsafe-eval'; style-src %s; img-src data: blob:; "
              "font-src data:; connect-src data:; base-uri 'none'; form-action 'none'"
              % (source_hash(script), source_hash(style)))
    with open(args.template, encoding='utf-8') as f:
        page = f.read()
    # The script goes in last: nothing in it is taken for a placeholder.
    for key, value in (('@POLICY@', policy), ("@TITLE@", html.escape(args.title)), ('@ICON16@', icons['icon16']),
                       ('@ICON32@', icons['icon32']), ('@STYLE@', style)):
        page = page.replace(key, value)
    before, after = page.split('@SCRIPT@')
    # Data, not script: the browser runs none of it, and reads it only when
    # the program asks for a picture by its name.
    blocks = ''
    for path in args.picture:
        name, extension = os.path.splitext(os.path.basename(path))
        with open(path, 'rb') as f:
            data = base64.b64encode(f.read()).decode('ascii')
        blocks += '<script type="application/octet-stream" id="picture-%s" data-type="image/%s">%s</script>\n' % (
            name, 'gif' if extension == '.gif' else 'jpeg', data)
    after = after.replace('</body>', blocks + '</body>')
    with open(args.output, 'w', encoding='utf-8') as f:
        f.write(before + script + after)


if __name__ == '__main__':
    main()
