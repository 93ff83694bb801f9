// The controls of the game's windows, as the page's own elements (page.h):
// labels as text, text boxes as <input>, buttons as <button>, picture boxes
// and images around <img>, stacked and clipped as laid out; and the
// pictures, decoded by the browser while the program waits.

mergeInto(LibraryManager.library, {
  $Controls: {
    pictures: [],     // blob: URLs, by picture number
    decoded: [],      // the decoded pictures, kept for the windows that show them
    pictureSizes: [], // [width, height] in CSS pixels of a 2x picture, by picture number

    add: function (id, control, container, e, left, top, width, height, visible) {
      var w = Desktop.windows[id];
      e.dataset.control = control;
      e.style.zIndex = 1000 - control; // the first control of the layout lies in front
      Desktop.place(e, left, top, width, height);
      e.hidden = !visible;
      (container < 0 ? w.client : w.controls[container].inner).appendChild(e);
      w.controls[control] = e;
      return e;
    },

    // A control the player clicks: the program decides what the click does.
    clicked: function (id, control, e) {
      e.addEventListener('click', function () { if (!Desktop.modalOpen()) Desktop.post(1, id, control); });
      return e;
    },

    // A text box or a button, in the layout's font.
    field: function (tag, className, font) {
      var e = Desktop.element(tag, className, null);
      e.type = tag === 'input' ? 'text' : 'button';
      e.style.font = UTF8ToString(font);
      return e;
    },

    // The program waits for the browser's decoder: a file it cannot decode
    // gives no picture, and a decoded one is painted with its window at once.
    // `url` is a blob: address the page made, or a file beside the page.
    decode: function (url) {
      return Asyncify.handleSleep(function (wakeUp) {
        var img = new Image();
        img.src = url;
        img.decode().then(function () {
          Controls.pictures.push(url);
          Controls.decoded.push(img);
          wakeUp(Controls.pictures.length - 1);
        }, function () {
          if (url.indexOf('blob:') === 0) URL.revokeObjectURL(url);
          wakeUp(-1);
        });
      });
    },

    picture: function (picture) {
      var img = Desktop.element('img', 'picture', null);
      img.alt = '';
      img.draggable = false;
      // A window's text is painted at once, its pictures as soon as decoded.
      img.decoding = 'async';
      if (picture >= 0) img.src = Controls.pictures[picture];
      // A 2x picture takes the CSS size of its 1x picture (a stretched one
      // then takes its control's).
      var natural = Controls.pictureSizes[picture];
      if (natural) {
        img.style.width = natural[0] + 'px';
        img.style.height = natural[1] + 'px';
      }
      return img;
    },
  },

  page_label: function (id, control, container, left, top, width, height, font, colour, visible) {
    var e = Controls.add(id, control, container, Desktop.element('div', 'label', null), left, top, width, height, visible);
    e.style.font = UTF8ToString(font);
    e.style.color = UTF8ToString(colour);
    e.setAttribute('aria-live', 'polite');
  },
  page_caption: function (id, control, before, letter, after) {
    Desktop.fillMarked(Desktop.windows[id].controls[control], UTF8ToString(before), UTF8ToString(letter),
                       UTF8ToString(after));
  },
  page_text_box: function (id, control, container, left, top, width, height, font, visible) {
    var e = Controls.clicked(id, control, Controls.field('input', 'text-box', font));
    e.autocomplete = 'off';
    e.spellcheck = false;
    Controls.add(id, control, container, e, left, top, width, height, visible);
  },
  page_button: function (id, control, container, left, top, width, height, font, visible) {
    var e = Controls.clicked(id, control, Controls.field('button', 'button', font));
    Controls.add(id, control, container, e, left, top, width, height, visible);
  },
  page_picture_box: function (id, control, container, left, top, width, height, visible, picture) {
    var e = Controls.clicked(id, control, Desktop.element('div', 'picture-box', null));
    e.tabIndex = 0;
    e.setAttribute('role', 'group');
    e.inner = Desktop.element('div', 'inner', e);
    if (picture >= 0) e.inner.appendChild(Controls.picture(picture));
    Controls.add(id, control, container, e, left, top, width, height, visible);
  },
  page_image: function (id, control, container, left, top, width, height, visible, picture) {
    var e = picture >= 0 ? Controls.picture(picture) : Desktop.element('div', '', null);
    e.classList.add('image');
    Controls.add(id, control, container, Controls.clicked(id, control, e), left, top, width, height, visible);
  },
  // A picture's alternative text is its control's name.
  page_accessible: function (id, control, name, shortcut) {
    var e = Desktop.windows[id].controls[control];
    name = UTF8ToString(name);
    shortcut = UTF8ToString(shortcut);
    var pictures = e.tagName === 'IMG' ? [e] : [...e.querySelectorAll(':scope > .inner > img')];
    pictures.forEach(function (img) { img.alt = name; });
    if (name && e.tagName !== 'IMG') e.setAttribute('aria-label', name);
    if (shortcut) e.setAttribute('aria-keyshortcuts', shortcut);
    else e.removeAttribute('aria-keyshortcuts');
  },
  page_control_visible: function (id, control, visible) { Desktop.windows[id].controls[control].hidden = !visible; },
  page_text: function (id, control, buffer, size) {
    var text = Desktop.windows[id].controls[control].value;
    stringToUTF8(text, buffer, size);
    return lengthBytesUTF8(text);
  },

  page_picture: function (bytes, size, type) {
    var blob = new Blob([HEAPU8.slice(bytes, bytes + size)], { type: UTF8ToString(type) });
    return Controls.decode(URL.createObjectURL(blob));
  },
  page_picture_2x: function (name) {
    // A file beside the page, named in its block of data (make_page.py).
    var block = document.getElementById('sharp-pictures');
    var file = block && JSON.parse(block.textContent)[UTF8ToString(name)];
    if (!file) return -1;
    return Controls.decode(file);
  },
  page_picture_size: function (picture, width, height) { Controls.pictureSizes[picture] = [width, height]; },
  page_device_pixel_ratio: function () { return DisplayRules.devicePixelRatio(); },
});
