// The page's desktop, for the web runtime (page.h says what each function
// does for the program): what the other parts of the page share, the queue
// of the player's input that the program's message loop reads, the keys, and
// the program's sleep in page_wait, from which input wakes it at once. The
// windows (windows.js), their controls (controls.js) and the modal boxes
// (boxes.js) are drawn by the parts of their own.

// The page's parts are in every program of the runtime: the functions of
// page.h use them without naming them.
DEFAULT_LIBRARY_FUNCS_TO_INCLUDE.push('$Desktop', '$Windows', '$Controls', '$Boxes', '$Display');

mergeInto(LibraryManager.library, {
  $Desktop: {
    windows: {},      // by the runtime's number: { id, frame, client, menu, menuKeys, controls }
    inputs: [],       // [kind, window, control, detail], oldest first (page.h)
    wake: null,       // resumes the sleeping program
    active: 0,        // the window that takes the keys
    inputBox: null,
    errorBox: null,
    closeName: '',    // what a screen reader calls a close control
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

    // A frame with its title bar, its caption and its close control, as a
    // window and a box have them; the title bar drags it.
    frame: function (parent, className, captionId, caption) {
      var frame = Desktop.element('section', className, parent);
      frame.setAttribute('role', 'dialog');
      frame.setAttribute('aria-labelledby', captionId);
      var bar = Desktop.element('div', 'title-bar', frame);
      var title = Desktop.element('span', 'caption', bar);
      title.id = captionId;
      title.textContent = caption;
      var close = Desktop.element('button', 'close', bar);
      close.type = 'button';
      close.tabIndex = -1;
      close.setAttribute('aria-label', Desktop.closeName);
      Desktop.dragBy(bar, frame);
      return { frame: frame, bar: bar, close: close };
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
      var box = Desktop.errorBox || Desktop.inputBox;
      if (box) return box.key(e);
      var w = Desktop.windows[Desktop.active];
      if (!w || /^(Alt|AltGraph|Shift|Control|Meta)$/.test(e.key) || e.metaKey || (e.ctrlKey && !e.altKey)) return;
      var key = Desktop.keyOf(e);
      var typing = document.activeElement && document.activeElement.tagName === 'INPUT' && !Windows.menuOpen(w) &&
                   (!e.altKey || e.ctrlKey) && key[0] !== 1 && key[0] !== 2;
      if (!typing) e.preventDefault();
      Desktop.post(3, w.id, key[0], key[1] | (e.shiftKey ? 256 : 0) | (e.altKey ? 512 : 0) |
                   (e.ctrlKey ? 1024 : 0) | (e.repeat ? 2048 : 0));
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

  page_start: function (title, closeName, needWidth, needHeight) {
    document.title = UTF8ToString(title);
    Desktop.closeName = UTF8ToString(closeName);
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
      if (!e.target.closest('.menu-item')) Windows.closeMenus();
    }, true);
  },

  page_display_width: function () { return Display.displayWidth(); },
  page_display_height: function () { return Display.displayHeight(); },

  page_next_input: function (window, control, detail) {
    var input = Desktop.inputs.shift();
    if (!input) return 0;
    HEAP32[window >> 2] = input[1];
    HEAP32[control >> 2] = input[2];
    HEAP32[detail >> 2] = input[3];
    return input[0];
  },
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

  page_game_over: function (message, again) { Desktop.gameOver(UTF8ToString(message), UTF8ToString(again)); },
});
