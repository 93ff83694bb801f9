// The page's desktop, for the web runtime (page.h says what each function
// does for the program). Each game window is a <section> drawn as a desktop
// window; its controls are the page's own elements. The player's input
// becomes a queue that the program's message loop reads; the program sleeps
// in page_wait, and input wakes it at once.

mergeInto(LibraryManager.library, {
  $Desktop: {
    windows: {},      // by the runtime's number: { frame, client, menu, controls, lastFocus }
    pictures: [],     // blob: URLs, by picture number
    decoded: [],      // the decoded pictures, kept for the windows that show them
    pictureSizes: [], // [width, height] in CSS pixels of a 2x picture, by picture number
    inputs: [],       // [kind, window, control, detail], oldest first (page.h)
    wake: null,       // resumes the sleeping program
    front: 0,         // the highest stacking order given so far
    active: 0,        // the window that takes the keys
    inputBox: null,
    errorBox: null,
    over: false,

    element: function (tag, className, parent) {
      var e = document.createElement(tag);
      if (className) e.className = className;
      if (parent) parent.appendChild(e);
      return e;
    },

    // A caption's text, its accelerator letter underlined.
    fillMarked: function (e, before, letter, after) {
      e.textContent = '';
      if (before) e.appendChild(document.createTextNode(before));
      if (letter) Desktop.element('u', '', e).textContent = letter;
      if (after) e.appendChild(document.createTextNode(after));
    },

    place: function (e, left, top, width, height) {
      e.style.left = left + 'px';
      e.style.top = top + 'px';
      if (width !== undefined) {
        e.style.width = width + 'px';
        e.style.height = height + 'px';
      }
    },

    post: function (kind, window, control, detail) {
      if (Desktop.over) return;
      Desktop.inputs.push([kind, window, control, detail || 0]);
      Desktop.wakeProgram();
    },

    // The program resumes once the page's event handler has returned, never
    // inside it.
    wakeProgram: function () {
      var wake = Desktop.wake;
      if (wake) queueMicrotask(wake);
    },

    modalOpen: function () { return Desktop.inputBox !== null || Desktop.errorBox !== null; },

    // --- Windows

    createWindow: function (id, caption, width, height, back, picture) {
      var frame = Desktop.element('section', 'window out-of-view', document.getElementById('desktop'));
      frame.setAttribute('role', 'dialog');
      frame.setAttribute('aria-labelledby', 'caption-' + id);
      frame.tabIndex = -1;
      var bar = Desktop.element('div', 'title-bar', frame);
      var title = Desktop.element('span', 'caption', bar);
      title.id = 'caption-' + id;
      title.textContent = caption;
      var close = Desktop.element('button', 'close', bar);
      close.type = 'button';
      close.tabIndex = -1;
      close.setAttribute('aria-label', 'Fermer');
      close.addEventListener('click', function () { if (!Desktop.modalOpen()) Desktop.post(2, id, 0); });
      var client = Desktop.element('div', 'client', frame);
      client.style.width = width + 'px';
      client.style.height = height + 'px';
      client.style.backgroundColor = back;
      if (picture >= 0) {
        client.style.backgroundImage = 'url("' + Desktop.pictures[picture] + '")';
        var natural = Desktop.pictureSizes[picture];
        if (natural) client.style.backgroundSize = natural[0] + 'px ' + natural[1] + 'px';
      }
      var w = { id: id, frame: frame, client: client, menu: null, controls: [], lastFocus: null };
      Desktop.windows[id] = w;
      Desktop.dragBy(bar, frame);
      frame.addEventListener('pointerdown', function () { if (w.id !== Desktop.active) Desktop.activate(w); }, true);
      frame.addEventListener('mousedown', Desktop.keepFocus, true);
      frame.addEventListener('focusin', function (e) {
        if (e.target.dataset.control !== undefined) w.lastFocus = e.target;
      });
      return w;
    },

    // The title bar moves its window; the close control does not.
    dragBy: function (bar, frame) {
      var from = null;
      bar.addEventListener('pointerdown', function (e) {
        if (e.button !== 0 || e.target.closest('.close')) return;
        from = { x: e.clientX - frame.offsetLeft, y: e.clientY - frame.offsetTop };
        bar.setPointerCapture(e.pointerId);
      });
      bar.addEventListener('pointermove', function (e) {
        if (!from) return;
        Desktop.place(frame, e.clientX - from.x, e.clientY - from.y);
        Display.dragged(frame);
      });
      var stop = function () { from = null; };
      bar.addEventListener('pointerup', stop);
      bar.addEventListener('pointercancel', stop);
    },

    // A press anywhere in a window brings it to the front (above). Only the
    // controls that take the focus take it: a press on a label, a picture or
    // the frame leaves it where it was.
    keepFocus: function (e) {
      var control = e.target.closest('[data-control]');
      var focusable = control && (control.tagName === 'INPUT' || control.tagName === 'BUTTON' ||
                                  control.classList.contains('picture-box'));
      if (!focusable || e.target.closest('.menu-bar, .title-bar')) e.preventDefault();
    },

    activate: function (w) {
      var old = Desktop.windows[Desktop.active];
      if (old) old.frame.classList.remove('active');
      Desktop.active = w.id;
      w.frame.classList.add('active');
      w.frame.style.zIndex = ++Desktop.front;
      if (!Desktop.modalOpen()) Desktop.focusWindow(w);
    },

    focusWindow: function (w) {
      var to = w.lastFocus && Desktop.canFocus(w.lastFocus) ? w.lastFocus : w.frame;
      to.focus({ preventScroll: true });
    },

    canFocus: function (e) { return e.isConnected && e.checkVisibility({ visibilityProperty: true }); },

    showWindow: function (w) {
      w.frame.classList.remove('out-of-view');
      Desktop.activate(w);
      Desktop.retireFirstWindow(w);
    },

    // The title window drawn into the page (first_window_markup.h) lies over the
    // program's own, in the same place, until that one's pictures are painted.
    retireFirstWindow: function (w) {
      var first = document.getElementById('first-window');
      if (!first || first.dataset.retiring) return;
      first.dataset.retiring = 'yes';
      var pictures = [...w.frame.querySelectorAll('img')].map(function (img) {
        return img.decode().catch(function () {});
      });
      Promise.all(pictures).then(function () {
        requestAnimationFrame(function () { requestAnimationFrame(function () { first.remove(); }); });
      });
    },

    // Where the program puts the focus: a control, or the window itself (-1).
    focusControl: function (w, control) {
      w.lastFocus = control >= 0 ? w.controls[control] : null;
      if (Desktop.active === w.id && !Desktop.modalOpen()) Desktop.focusWindow(w);
    },

    hideWindow: function (w) {
      w.frame.classList.add('out-of-view');
      Desktop.closeMenus();
      if (Desktop.active !== w.id) return;
      w.frame.classList.remove('active');
      Desktop.active = 0;
      // The window behind it, if any, becomes the active one.
      var next = null;
      for (var id in Desktop.windows) {
        var other = Desktop.windows[id];
        if (!other.frame.classList.contains('out-of-view') &&
            (!next || Number(other.frame.style.zIndex) > Number(next.frame.style.zIndex))) next = other;
      }
      if (next) Desktop.activate(next);
      else if (document.activeElement && w.frame.contains(document.activeElement)) document.activeElement.blur();
    },

    removeWindow: function (w) {
      var wasActive = Desktop.active === w.id;
      if (wasActive) Desktop.hideWindow(w);
      w.frame.remove();
      delete Desktop.windows[w.id];
    },

    // --- The menu bar

    menuItem: function (w, item, before, letter, after) {
      if (!w.menu) {
        w.menu = Desktop.element('div', 'menu-bar', null);
        w.menu.setAttribute('role', 'menubar');
        w.frame.insertBefore(w.menu, w.client);
        w.menuKeys = {};
      }
      var entry;
      if (item === -1) {
        var popup = Desktop.element('div', 'menu-popup', w.menuKeys.game.entry);
        popup.setAttribute('role', 'menu');
        entry = Desktop.element('div', 'menu-command', popup);
      } else {
        entry = Desktop.element('div', 'menu-item', w.menu);
      }
      entry.setAttribute('role', 'menuitem');
      var label = Desktop.element('span', '', entry);
      Desktop.fillMarked(label, before, letter, after);
      entry.setAttribute('aria-label', before + letter + after);
      var name = item === 0 ? 'game' : item === -1 ? 'quit' : 'about';
      w.menuKeys[name] = { entry: entry };
      entry.addEventListener('click', function (e) {
        e.stopPropagation();
        if (Desktop.modalOpen()) return;
        if (item === 0) return Desktop.toggleMenu(w, !entry.classList.contains('open'));
        Desktop.closeMenus();
        Desktop.post(1, w.id, item);
      });
      if (item === 0) entry.setAttribute('aria-haspopup', 'menu');
      if (item === 0) entry.setAttribute('aria-expanded', 'false');
    },

    toggleMenu: function (w, open) {
      Desktop.closeMenus();
      if (!open || !w.menuKeys) return;
      var game = w.menuKeys.game.entry;
      game.classList.add('open');
      game.setAttribute('aria-expanded', 'true');
      w.menuKeys.quit.entry.classList.add('highlighted');
    },

    menuOpen: function (w) { return w.menuKeys && w.menuKeys.game.entry.classList.contains('open'); },

    closeMenus: function (keep) {
      document.querySelectorAll('.menu-item.open').forEach(function (e) {
        if (e === keep) return;
        e.classList.remove('open');
        e.setAttribute('aria-expanded', 'false');
      });
    },

    // --- Controls

    addControl: function (w, control, container, e, left, top, width, height, visible) {
      e.dataset.control = control;
      e.style.zIndex = 1000 - control; // the first control of the layout lies in front
      Desktop.place(e, left, top, width, height);
      e.hidden = !visible;
      var parent = container < 0 ? w.client : w.controls[container].inner;
      parent.appendChild(e);
      w.controls[control] = e;
      return e;
    },

    clicks: function (w, e, control) {
      e.addEventListener('click', function () { if (!Desktop.modalOpen()) Desktop.post(1, w.id, control); });
    },

    // The program waits for the browser's decoder: a file it cannot decode
    // gives no picture, and a decoded one is painted with its window at once.
    // `url` is a blob: address the page made, or a file beside the page.
    decodePicture: function (url) {
      return Asyncify.handleSleep(function (wakeUp) {
        var img = new Image();
        img.src = url;
        img.decode().then(function () {
          Desktop.pictures.push(url);
          Desktop.decoded.push(img);
          wakeUp(Desktop.pictures.length - 1);
        }, function () {
          if (url.indexOf('blob:') === 0) URL.revokeObjectURL(url);
          wakeUp(-1);
        });
      });
    },

    picture: function (picture, description) {
      var img = Desktop.element('img', 'picture', null);
      img.alt = description;
      img.draggable = false;
      // A window's text is painted at once, its pictures as soon as decoded.
      img.decoding = 'async';
      if (picture >= 0) img.src = Desktop.pictures[picture];
      // A 2x picture takes the CSS size of its 1x picture (a stretched one
      // then takes its control's).
      var natural = Desktop.pictureSizes[picture];
      if (natural) {
        img.style.width = natural[0] + 'px';
        img.style.height = natural[1] + 'px';
      }
      return img;
    },

    // --- Keys

    // A key as page.h numbers it (runtime::KeyPress::Key). A letter key is
    // the letter its keyboard shows (A on a French keyboard's A), and when it
    // types no plain letter (Option+R types ® on a Mac) the key's place, KeyR.
    keyOf: function (e) {
      var named = ['Tab', 'Enter', ' ', 'Escape', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'F4'];
      var at = named.indexOf(e.key);
      if (at >= 0) return [at + 1, 0];
      var letter = /^[a-z]$/i.test(e.key) ? e.key.toUpperCase() : /^Key[A-Z]$/.test(e.code) ? e.code.charAt(3) : '';
      return letter ? [10, letter.charCodeAt(0)] : [0, 0];
    },

    // The keys of the window in front go to the program as the keyboard gave
    // them, and it decides. What a text box types, and its caret's moves,
    // the text box does itself; every other way of the page's with a key is
    // held back. Ctrl and Command shortcuts stay the browser's.
    onKey: function (e) {
      if (Desktop.over) return;
      if (Desktop.errorBox) return Desktop.errorBox.key(e);
      if (Desktop.inputBox) return Desktop.inputBox.key(e);
      var w = Desktop.windows[Desktop.active];
      if (!w || /^(Alt|AltGraph|Shift|Control|Meta)$/.test(e.key) || e.metaKey || (e.ctrlKey && !e.altKey)) return;
      var key = Desktop.keyOf(e);
      var typing = document.activeElement && document.activeElement.tagName === 'INPUT' && !Desktop.menuOpen(w) &&
                   (!e.altKey || e.ctrlKey) && key[0] !== 1 && key[0] !== 2;
      if (!typing) e.preventDefault();
      Desktop.post(3, w.id, key[0], key[1] | (e.shiftKey ? 256 : 0) | (e.altKey ? 512 : 0) |
                   (e.ctrlKey ? 1024 : 0) | (e.repeat ? 2048 : 0));
    },

    // --- The modal boxes, in a shade that keeps the mouse from the windows.

    openBox: function (title, className) {
      var shade = Desktop.element('div', 'shade', document.body);
      var frame = Desktop.element('section', 'window active box ' + className, shade);
      frame.setAttribute('role', 'dialog');
      frame.setAttribute('aria-modal', 'true');
      var bar = Desktop.element('div', 'title-bar', frame);
      var caption = Desktop.element('span', 'caption', bar);
      caption.id = 'caption-' + className;
      caption.textContent = title;
      frame.setAttribute('aria-labelledby', caption.id);
      var close = Desktop.element('button', 'close', bar);
      close.type = 'button';
      close.tabIndex = -1;
      close.setAttribute('aria-label', 'Fermer');
      Desktop.dragBy(bar, frame);
      var body = Desktop.element('div', 'box-body', frame);
      // The windows' pending input never reaches them.
      Desktop.inputs = [];
      return { shade: shade, frame: frame, body: body, close: close, state: 0 };
    },

    // Centred across the display, a third of the way down.
    placeBox: function (box) {
      var left = Math.round((document.documentElement.clientWidth - box.frame.offsetWidth) / 2);
      Desktop.place(box.frame, left, Math.round(document.documentElement.clientHeight / 3));
    },

    settle: function (box, state) {
      if (box.state) return;
      box.state = state;
      Desktop.wakeProgram();
    },

    closeBox: function (box) {
      box.shade.remove();
      var w = Desktop.windows[Desktop.active];
      if (w && !Desktop.modalOpen()) Desktop.focusWindow(w);
    },

    boxButton: function (box, parent, text, state) {
      var b = Desktop.element('button', 'button', parent);
      b.type = 'button';
      b.textContent = text;
      b.addEventListener('click', function () { Desktop.settle(box, state); });
      return b;
    },

    // Tab moves between the box's own controls; the Alt letters do nothing.
    boxKey: function (box, e, order, onEnter) {
      if (e.key === 'Tab' && !e.ctrlKey && !e.altKey) {
        e.preventDefault();
        var at = order.indexOf(document.activeElement);
        var next = at < 0 ? 0 : (at + (e.shiftKey ? -1 : 1) + order.length) % order.length;
        return order[next].focus();
      }
      if (e.key === 'Escape') {
        e.preventDefault();
        return Desktop.settle(box, 2);
      }
      if (e.key === 'Enter') {
        e.preventDefault();
        return onEnter();
      }
      if (e.altKey) e.preventDefault();
    },

    openInputBox: function (prompt, title, ok, cancel) {
      var box = Desktop.openBox(title, 'input-box');
      Desktop.element('div', 'prompt', box.body).textContent = prompt;
      var field = Desktop.element('input', 'text-box', box.body);
      field.type = 'text';
      field.autocomplete = 'off';
      field.spellcheck = false;
      field.setAttribute('aria-label', prompt);
      var buttons = Desktop.element('div', 'box-buttons', box.body);
      var okButton = Desktop.boxButton(box, buttons, ok, 1);
      var cancelButton = Desktop.boxButton(box, buttons, cancel, 2);
      box.close.addEventListener('click', function () { Desktop.settle(box, 2); });
      box.field = field;
      box.key = function (e) {
        Desktop.boxKey(box, e, [field, okButton, cancelButton], function () {
          Desktop.settle(box, document.activeElement === cancelButton ? 2 : 1);
        });
      };
      Desktop.inputBox = box;
      Desktop.placeBox(box);
      field.focus();
    },

    openErrorBox: function (title, message, ok) {
      var box = Desktop.openBox(title, 'error-box');
      var row = Desktop.element('div', 'error-row', box.body);
      Desktop.element('div', 'error-icon', row).setAttribute('aria-hidden', 'true');
      Desktop.element('div', 'message', row).textContent = message;
      var buttons = Desktop.element('div', 'box-buttons', box.body);
      var okButton = Desktop.boxButton(box, buttons, ok, 1);
      box.close.addEventListener('click', function () { Desktop.settle(box, 1); });
      box.key = function (e) {
        Desktop.boxKey(box, e, [okButton], function () { Desktop.settle(box, 1); });
      };
      Desktop.errorBox = box;
      Desktop.placeBox(box);
      okButton.focus();
    },

    gameOver: function (message, again) {
      Desktop.over = true;
      Desktop.inputs = [];
      document.querySelectorAll('.shade').forEach(function (e) { e.remove(); });
      var end = Desktop.element('main', 'game-over', document.getElementById('desktop'));
      end.setAttribute('role', 'alert');
      Desktop.element('h1', '', end).textContent = document.title;
      Desktop.element('p', '', end).textContent = message;
      var button = Desktop.element('button', 'button', end);
      button.type = 'button';
      button.textContent = again;
      button.addEventListener('click', function () { location.reload(); });
      button.focus();
    },
  },

  page_start__deps: ['$Desktop', '$Display'],
  page_start: function (title, needWidth, needHeight) {
    document.title = UTF8ToString(title);
    // A game started again on the same page (the tests do) finds it as new.
    Desktop.over = false;
    document.querySelectorAll('.game-over').forEach(function (e) { e.remove(); });
    if (Desktop.started) return;
    Desktop.started = true;
    Display.start(needWidth, needHeight);
    document.addEventListener('keydown', Desktop.onKey, true);
    document.addEventListener('keyup', function (e) {
      if (e.key === ' ' && !Desktop.modalOpen() && document.activeElement.tagName === 'BUTTON' &&
          document.activeElement.closest('.client')) e.preventDefault();
    }, true);
    // A press outside every menu closes them.
    document.addEventListener('pointerdown', function (e) {
      if (!e.target.closest('.menu-item')) Desktop.closeMenus();
    }, true);
  },

  page_display_width__deps: ['$Display'],
  page_display_width: function () { return Display.displayWidth(); },
  page_display_height__deps: ['$Display'],
  page_display_height: function () { return Display.displayHeight(); },

  page_window_create__deps: ['$Desktop'],
  page_window_create: function (id, caption, width, height, back, picture) {
    Desktop.createWindow(id, UTF8ToString(caption), width, height, UTF8ToString(back), picture);
  },
  page_menu_item__deps: ['$Desktop'],
  page_menu_item: function (id, item, before, letter, after) {
    Desktop.menuItem(Desktop.windows[id], item, UTF8ToString(before), UTF8ToString(letter), UTF8ToString(after));
  },
  page_window_show__deps: ['$Desktop'],
  page_window_show: function (id) { Desktop.showWindow(Desktop.windows[id]); },
  page_window_hide__deps: ['$Desktop'],
  page_window_hide: function (id) { Desktop.hideWindow(Desktop.windows[id]); },
  page_window_move__deps: ['$Desktop', '$Display'],
  page_window_move: function (id, left, top) { Display.move(Desktop.windows[id].frame, left, top); },
  page_window_outer_width__deps: ['$Desktop', '$Display'],
  page_window_outer_width: function (id) { return Display.outerWidth(Desktop.windows[id].frame); },
  page_window_outer_height__deps: ['$Desktop', '$Display'],
  page_window_outer_height: function (id) { return Display.outerHeight(Desktop.windows[id].frame); },
  page_window_remove__deps: ['$Desktop'],
  page_window_remove: function (id) {
    if (Desktop.windows[id]) Desktop.removeWindow(Desktop.windows[id]);
  },

  page_label__deps: ['$Desktop'],
  page_label: function (id, control, container, left, top, width, height, font, colour, visible) {
    var w = Desktop.windows[id];
    var e = Desktop.addControl(w, control, container, Desktop.element('div', 'label', null),
                               left, top, width, height, visible);
    e.style.font = UTF8ToString(font);
    e.style.color = UTF8ToString(colour);
    e.setAttribute('aria-live', 'polite');
  },
  page_caption__deps: ['$Desktop'],
  page_caption: function (id, control, before, letter, after) {
    var e = Desktop.windows[id].controls[control];
    before = UTF8ToString(before); letter = UTF8ToString(letter); after = UTF8ToString(after);
    Desktop.fillMarked(e, before, letter, after);
    if (e.tagName === 'BUTTON') e.setAttribute('aria-label', before + letter + after);
  },
  page_text_box__deps: ['$Desktop'],
  page_text_box: function (id, control, container, left, top, width, height, font, visible) {
    var w = Desktop.windows[id];
    var e = Desktop.element('input', 'text-box', null);
    e.type = 'text';
    e.autocomplete = 'off';
    e.spellcheck = false;
    e.style.font = UTF8ToString(font);
    Desktop.clicks(w, e, control);
    Desktop.addControl(w, control, container, e, left, top, width, height, visible);
  },
  page_button__deps: ['$Desktop'],
  page_button: function (id, control, container, left, top, width, height, font, visible) {
    var w = Desktop.windows[id];
    var e = Desktop.element('button', 'button', null);
    e.type = 'button';
    e.style.font = UTF8ToString(font);
    Desktop.clicks(w, e, control);
    Desktop.addControl(w, control, container, e, left, top, width, height, visible);
  },
  page_picture_box__deps: ['$Desktop'],
  page_picture_box: function (id, control, container, left, top, width, height, visible, picture,
                              description) {
    var w = Desktop.windows[id];
    var e = Desktop.element('div', 'picture-box', null);
    e.tabIndex = 0;
    e.setAttribute('role', 'group');
    description = UTF8ToString(description);
    if (description) e.setAttribute('aria-label', description);
    var inner = Desktop.element('div', 'inner', e);
    if (picture >= 0) inner.appendChild(Desktop.picture(picture, description));
    Desktop.clicks(w, e, control);
    Desktop.addControl(w, control, container, e, left, top, width, height, visible);
    e.inner = inner;
  },
  page_image__deps: ['$Desktop'],
  page_image: function (id, control, container, left, top, width, height, visible, picture, stretch, description) {
    var w = Desktop.windows[id];
    var e = picture >= 0 ? Desktop.picture(picture, UTF8ToString(description)) : Desktop.element('div', '', null);
    e.classList.add('image');
    Desktop.clicks(w, e, control);
    Desktop.addControl(w, control, container, e, left, top, width, height, visible);
  },
  page_control_visible__deps: ['$Desktop'],
  page_control_visible: function (id, control, visible) { Desktop.windows[id].controls[control].hidden = !visible; },
  page_focus__deps: ['$Desktop'],
  page_focus: function (id, control) { Desktop.focusControl(Desktop.windows[id], control); },
  page_focused_control__deps: ['$Desktop'],
  page_focused_control: function (id) {
    var w = Desktop.windows[id];
    var e = w.lastFocus;
    return e && Desktop.canFocus(e) ? Number(e.dataset.control) : -1;
  },
  page_menu__deps: ['$Desktop'],
  page_menu: function (id, open) { Desktop.toggleMenu(Desktop.windows[id], open); },
  page_menu_open__deps: ['$Desktop'],
  page_menu_open: function (id) { return Desktop.menuOpen(Desktop.windows[id]) ? 1 : 0; },
  page_text__deps: ['$Desktop'],
  page_text: function (id, control, buffer, size) {
    var text = Desktop.windows[id].controls[control].value;
    stringToUTF8(text, buffer, size);
    return lengthBytesUTF8(text);
  },

  page_picture__deps: ['$Desktop'],
  page_picture: function (bytes, size, type) {
    var blob = new Blob([HEAPU8.slice(bytes, bytes + size)], { type: UTF8ToString(type) });
    return Desktop.decodePicture(URL.createObjectURL(blob));
  },
  page_picture_2x__deps: ['$Desktop'],
  page_picture_2x: function (name) {
    // A file beside the page, named in its block of data (make_page.py).
    var block = document.getElementById('sharp-pictures');
    var file = block && JSON.parse(block.textContent)[UTF8ToString(name)];
    if (!file) return -1;
    return Desktop.decodePicture(file);
  },

  page_picture_size__deps: ['$Desktop'],
  page_picture_size: function (picture, width, height) {
    Desktop.pictureSizes[picture] = [width, height];
  },
  page_device_pixel_ratio: function () { return DisplayRules.devicePixelRatio(); },

  page_next_input__deps: ['$Desktop'],
  page_next_input: function (window, control, detail) {
    var input = Desktop.inputs.shift();
    if (!input) return 0;
    HEAP32[window >> 2] = input[1];
    HEAP32[control >> 2] = input[2];
    HEAP32[detail >> 2] = input[3];
    return input[0];
  },
  page_wait__deps: ['$Desktop'],
  page_wait: function (ms) {
    // Called again when the program resumes, to end the pause: only the
    // sleep itself may look at the input.
    return Asyncify.handleSleep(function (wakeUp) {
      if (Desktop.inputs.length) return wakeUp();
      var timer = setTimeout(resume, ms);
      Desktop.wake = resume;
      function resume() {
        if (Desktop.wake !== resume) return;
        Desktop.wake = null;
        clearTimeout(timer);
        wakeUp();
      }
    });
  },

  page_input_box_open__deps: ['$Desktop'],
  page_input_box_open: function (prompt, title, ok, cancel) {
    Desktop.openInputBox(UTF8ToString(prompt), UTF8ToString(title), UTF8ToString(ok), UTF8ToString(cancel));
  },
  page_input_box_state__deps: ['$Desktop'],
  page_input_box_state: function () { return Desktop.inputBox ? Desktop.inputBox.state : 2; },
  page_input_box_text__deps: ['$Desktop'],
  page_input_box_text: function (buffer, size) {
    var text = Desktop.inputBox ? Desktop.inputBox.field.value : '';
    stringToUTF8(text, buffer, size);
    return lengthBytesUTF8(text);
  },
  page_input_box_close__deps: ['$Desktop'],
  page_input_box_close: function () {
    var box = Desktop.inputBox;
    Desktop.inputBox = null;
    if (box) Desktop.closeBox(box);
  },
  page_error_box_open__deps: ['$Desktop'],
  page_error_box_open: function (title, message, ok) {
    Desktop.openErrorBox(UTF8ToString(title), UTF8ToString(message), UTF8ToString(ok));
  },
  page_error_box_state__deps: ['$Desktop'],
  page_error_box_state: function () { return Desktop.errorBox ? Desktop.errorBox.state : 1; },
  page_error_box_close__deps: ['$Desktop'],
  page_error_box_close: function () {
    var box = Desktop.errorBox;
    Desktop.errorBox = null;
    if (box) Desktop.closeBox(box);
  },

  page_game_over__deps: ['$Desktop'],
  page_game_over: function (message, again) { Desktop.gameOver(UTF8ToString(message), UTF8ToString(again)); },
});
