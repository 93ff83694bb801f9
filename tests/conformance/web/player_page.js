// The page's side of the web player (player_page.h): requests for the driver
// outside the browser, which takes the first of window.tolvaneRequests,
// performs it as real input and calls window.tolvaneRequestDone(id); and what
// the player sees. A request made while another is being performed (from the
// input box, opened by the other's input) waits behind it.

mergeInto(LibraryManager.library, {
  $Player__deps: ['$Desktop'],
  $Player: {
    last: 0,   // the number of the last request
    done: {},  // the requests performed, until the program has seen them

    // Where the driver clicks for a request: the middle of the part of the
    // target that lies in its window's client area, in viewport pixels.
    pointOf: function (step) {
      var target = Player.targetOf(step);
      var r = target.getBoundingClientRect();
      if (step.control >= 0) {
        var c = Desktop.windows[step.window].client.getBoundingClientRect();
        r = { left: Math.max(r.left, c.left), top: Math.max(r.top, c.top),
              right: Math.min(r.right, c.right), bottom: Math.min(r.bottom, c.bottom) };
      }
      return [Math.floor((r.left + r.right) / 2), Math.floor((r.top + r.bottom) / 2)];
    },

    targetOf: function (step) {
      var w = Desktop.windows[step.window];
      var box = document.querySelector('section.box');
      switch (step.what) {
        case 'control': return w.controls[step.control];
        case 'close': return w.frame.querySelector('.close');
        case 'game': return w.menuKeys.game.entry;
        case 'quit': return w.menuKeys.quit.entry;
        case 'about': return w.menuKeys.about.entry;
        case 'box-close': return box.querySelector('.close');
        default: return [...box.querySelectorAll('.box-buttons button')].find(function (b) {
          return b.textContent === step.what;
        });
      }
    },

    // The clicks of a request, each aimed at the moment it is made.
    steps: function (kind, text, window, control) {
      if (kind === 'click') return [{ what: 'control', window: window, control: control }];
      if (kind === 'close') return [{ what: 'close', window: window, control: -1 }];
      if (kind === 'menu' && text === 'quit') return [{ what: 'game', window: window, control: -1 },
                                                     { what: 'quit', window: window, control: -1 }];
      if (kind === 'menu') return [{ what: text, window: window, control: -1 }];
      if (kind === 'box') return [{ what: text === 'close' ? 'box-close' : text, window: 0, control: -1 }];
      return [];
    },
  },

  player_request__deps: ['$Player'],
  player_request: function (kind, text, window, control) {
    kind = UTF8ToString(kind);
    text = UTF8ToString(text);
    globalThis.tolvanePointOf = Player.pointOf;
    globalThis.tolvaneRequestDone = function (id) {
      globalThis.tolvaneRequests = globalThis.tolvaneRequests.filter(function (r) { return r.id !== id; });
      Player.done[id] = true;
      Desktop.wakeProgram();
    };
    var id = ++Player.last;
    (globalThis.tolvaneRequests = globalThis.tolvaneRequests || []).push(
      { id: id, kind: kind, text: text, steps: Player.steps(kind, text, window, control) });
    return id;
  },
  player_request_done__deps: ['$Player'],
  player_request_done: function (id) {
    if (!Player.done[id]) return 0;
    delete Player.done[id];
    return 1;
  },

  player_focused_control__deps: ['$Desktop'],
  player_focused_control: function (id) {
    var w = Desktop.windows[id];
    var e = document.activeElement;
    var control = e && e.closest('[data-control]');
    return w && control && w.frame.contains(control) ? Number(control.dataset.control) : -1;
  },
  player_is_active__deps: ['$Desktop'],
  player_is_active: function (id) {
    var w = Desktop.windows[id];
    return w && Desktop.active === id && !Desktop.modalOpen() && w.frame.contains(document.activeElement) ? 1 : 0;
  },
  player_shown_text__deps: ['$Desktop'],
  player_shown_text: function (id, control, buffer, size) {
    var text = Desktop.windows[id].controls[control].textContent;
    stringToUTF8(text, buffer, size);
    return lengthBytesUTF8(text);
  },
  player_open_box__deps: ['$Desktop'],
  player_open_box: function () { return Desktop.errorBox ? 2 : Desktop.inputBox ? 1 : 0; },
  player_input_box_view__deps: ['$Desktop'],
  player_input_box_view: function (buffer, size) {
    var box = Desktop.inputBox;
    var text = '';
    if (box) {
      var f = box.frame;
      var buttons = f.querySelectorAll('.box-buttons button');
      text = [f.querySelector('.caption').textContent, f.querySelector('.prompt').textContent,
              buttons[0].textContent, buttons[1].textContent, Math.round(f.offsetLeft + f.offsetWidth / 2),
              f.offsetTop, document.documentElement.clientWidth, document.documentElement.clientHeight].join('\x1f');
    }
    stringToUTF8(text, buffer, size);
    return lengthBytesUTF8(text);
  },

  player_only: function (buffer, size) {
    var only = decodeURIComponent(location.hash.substring(1));
    stringToUTF8(only, buffer, size);
    return lengthBytesUTF8(only);
  },
  player_random_play: function () { return location.search === '?suite' ? 0 : 1; },
  player_finished: function (status) { globalThis.tolvaneExit = status; },
});
