"""The title window drawn into the page itself, read from the game's layouts:
its frame, title bar, menu bar and the picture boxes on view when it opens,
as desktop.js draws them. The browser paints it as soon as the page arrives;
the program takes its place once it runs (desktop.js)."""

import glob
import html
import os
import re

TWIPS_PER_PIXEL = 15


def pixels(twips):
    # Half a pixel away from zero, as the runtime rounds.
    value = abs(twips) / TWIPS_PER_PIXEL
    whole = int(value + 0.5)
    return whole if twips >= 0 else -whole


def fields(block):
    return dict(re.findall(r'\.(\w+) = ("[^"]*"|[^,{}\n]+)', block))


def layout_of(source, name):
    """The controls and the window's own fields of the layout `name`."""
    controls = [fields(block) for block in re.findall(r'\{(\.kind = ControlKind::.*?)\}', source, re.S)]
    window = fields(re.search(r'constexpr ScreenLayout %s\{(.*?)\n\};' % name, source, re.S).group(1))
    return window, controls


def largest_client(layout_folder):
    """The largest client area of every window, in pixels, as the program finds it."""
    widths, heights = [], []
    for path in glob.glob(os.path.join(layout_folder, '*.cpp')):
        with open(path, encoding='utf-8') as f:
            source = f.read()
        widths += [int(w) for w in re.findall(r'\.clientWidth = (\d+)', source)]
        heights += [int(h) for h in re.findall(r'\.clientHeight = (\d+)', source)]
    return pixels(max(widths)), pixels(max(heights))


def menu_caption(header, name):
    return re.search(r'%s = "([^"]*)"' % name, header).group(1)


def marked(caption):
    """A caption with its accelerator letter underlined."""
    before, _, after = caption.partition('&')
    if not after:
        return html.escape(before)
    return '%s<u>%s</u>%s' % (html.escape(before), html.escape(after[0]), html.escape(after[1:]))


def picture_file(pictures, picture_id):
    found = glob.glob(os.path.join(glob.escape(pictures), picture_id + '.*'))
    return os.path.basename(found[0]) if found else None


def markup(layout_source, layout_name, screen_layout_header, caption, pictures, layout_folder):
    """The window's markup, the stylesheet's rules that place its parts, and the
    pictures it shows (file names in `pictures`)."""
    with open(layout_source, encoding='utf-8') as f:
        window, controls = layout_of(f.read(), layout_name)
    with open(screen_layout_header, encoding='utf-8') as f:
        header = f.read()
    shown = []
    boxes = {}
    rules = []
    for index, control in enumerate(controls):
        if control.get('kind') != 'ControlKind::PictureBox' or control.get('visible') == 'false':
            continue
        name = control['name'].strip('"')
        picture = control.get('picture', 'None').replace('PictureId::', '')
        file, sharp = picture_file(pictures, picture), picture_file(pictures, picture + '@2x')
        # first_window.js gives each its address, the 2x file's on a dense screen.
        inner = ''
        if file:
            inner = '<img class="picture" alt="" data-src="pictures/%s"%s>' % (
                file, ' data-sharp="pictures/%s"' % sharp if sharp else '')
            shown += [file] + ([sharp] if sharp else [])
        # The page's policy takes no style attributes: each box is placed by a rule of the stylesheet.
        rules.append('#first-%s{left:%dpx;top:%dpx;width:%dpx;height:%dpx;z-index:%d}' % (
            name, pixels(int(control.get('left', 0))), pixels(int(control.get('top', 0))),
            pixels(int(control['width'])), pixels(int(control['height'])), 1000 - index))
        boxes[name] = ['<div class="picture-box" id="first-%s"><div class="inner">%s' % (name, inner), '</div></div>']
        boxes[name].append(control.get('container', '').strip('"'))
    # Each box goes inside its container, as the runtime places them.
    def drawn(name):
        box = boxes[name]
        children = ''.join(drawn(child) for child in boxes if boxes[child][2] == name)
        return box[0] + children + box[1]
    client = ''.join(drawn(name) for name in boxes if boxes[name][2] not in boxes)
    need_width, need_height = largest_client(layout_folder)
    text = ('<div class="window active" id="first-window" aria-hidden="true" data-need="%d %d">'
            '<div class="title-bar"><span class="caption">%s</span><button class="close" type="button" tabindex="-1">'
            '</button></div><div class="menu-bar"><div class="menu-item"><span>%s</span></div>'
            '<div class="menu-item"><span>%s</span></div></div>'
            '<div class="client">%s</div></div>'
            % (need_width, need_height, html.escape(caption), marked(menu_caption(header, 'gameMenuCaption')),
               marked(menu_caption(header, 'aboutItemCaption')), client))
    rules.append('#first-window .client{width:%dpx;height:%dpx}' % (
        pixels(int(window['clientWidth'])), pixels(int(window['clientHeight']))))
    return text, '\n'.join(rules) + '\n', shown
