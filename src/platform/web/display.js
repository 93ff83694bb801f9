// The page's display on a phone or a tablet: the browser's visible area.
// Where the game's largest window does not fit it, every window's client
// area is drawn at one smaller scale (CSS zoom: text stays text, laid out
// again at its new size), as a desktop lays the game out at a lower dpi; the
// frames, title bars and menus keep their own size, a finger's on a touch
// screen. The program sees the display and the windows in the game's pixels
// at that scale, and centres its windows by its own rule. When the on-screen
// keyboard covers part of the screen, the window holding the focused box
// moves up so that the box and the button beside it stay in view.

mergeInto(LibraryManager.library, {
  $Display: {
    scale: 1,
    need: [0, 0],   // the largest client area of the game's windows, in the game's pixels
    width: 0,       // the display the windows are laid out on, in CSS px
    height: 0,

    start: function (needWidth, needHeight) {
      Display.need = [needWidth, needHeight];
      Display.measure();
      addEventListener('resize', Display.resized);
      if (window.visualViewport) {
        visualViewport.addEventListener('resize', Display.lift);
        visualViewport.addEventListener('scroll', Display.lift);
      }
      document.addEventListener('focusin', Display.lift);
      document.addEventListener('focusout', function () { setTimeout(Display.lift); });
    },

    // One scale for the whole desktop (display_rules.js, before the program).
    measure: function () {
      var display = DisplayRules.measure(Display.need);
      Display.width = display.width;
      Display.height = display.height;
      Display.scale = display.scale;
    },

    // In the game's pixels at the current scale.
    displayWidth: function () { return DisplayRules.inGame(Display, Display.width); },
    displayHeight: function () { return DisplayRules.inGame(Display, Display.height); },
    outerWidth: function (frame) { return DisplayRules.inGame(Display, frame.offsetWidth); },
    outerHeight: function (frame) { return DisplayRules.inGame(Display, frame.offsetHeight); },

    move: function (frame, left, top) {
      frame.at = [left, top];
      Desktop.place(frame, DisplayRules.inCss(Display, left), DisplayRules.inCss(Display, top));
    },

    // Where the player dragged it, in the game's pixels.
    dragged: function (frame) {
      frame.at = [frame.offsetLeft / Display.scale, frame.offsetTop / Display.scale];
    },

    typing: function () {
      var e = document.activeElement;
      return e && e.tagName === 'INPUT' ? e : null;
    },

    // A rotation or a new size of the browser lays the desktop out again: each
    // window keeps its centre at the same place across the display. The
    // on-screen keyboard coming up (the same width, less height, a box being
    // typed in) only moves the window being typed in.
    resized: function () {
      var root = document.documentElement;
      if (Display.typing() && root.clientWidth === Display.width && root.clientHeight < Display.height)
        return Display.lift();
      var frames = [...document.querySelectorAll('#desktop > section.window')].filter(function (f) { return f.at; });
      var was = frames.map(function (f) {
        return [(f.at[0] + Display.outerWidth(f) / 2) / Display.displayWidth(),
                (f.at[1] + Display.outerHeight(f) / 2) / Display.displayHeight()];
      });
      Display.measure();
      frames.forEach(function (f, i) {
        Display.move(f, Math.round(was[i][0] * Display.displayWidth() - Display.outerWidth(f) / 2),
                     Math.round(was[i][1] * Display.displayHeight() - Display.outerHeight(f) / 2));
      });
      // The program places an open box again.
      if (Desktop.modalOpen()) Desktop.wakeProgram();
      Display.lift();
    },

    // The focused box and the nearest button of its window in the visible
    // part of the screen; the windows where they were otherwise.
    lift: function () {
      document.querySelectorAll('section.window').forEach(function (f) { f.style.translate = ''; });
      var field = Display.typing();
      var frame = field && field.closest('section.window');
      if (!frame) return;
      var view = window.visualViewport;
      if (view && view.scale > 1.01) return; // pinched in: the player pans to the box
      var top = view ? view.offsetTop : 0;
      var bottom = top + (view ? view.height : innerHeight);
      var r = field.getBoundingClientRect();
      var low = r.top, high = r.bottom;
      var centre = [(r.left + r.right) / 2, (r.top + r.bottom) / 2];
      var nearest = null, distance = Infinity;
      frame.querySelectorAll('button:not(.close)').forEach(function (b) {
        if (!b.checkVisibility()) return;
        var br = b.getBoundingClientRect();
        var d = Math.hypot((br.left + br.right) / 2 - centre[0], (br.top + br.bottom) / 2 - centre[1]);
        if (d < distance) { distance = d; nearest = br; }
      });
      if (nearest) {
        low = Math.min(low, nearest.top);
        high = Math.max(high, nearest.bottom);
      }
      var margin = 6;
      var shift = Math.min(0, bottom - margin - high);
      if (low + shift < top + margin) shift = Math.min(0, top + margin - low);
      if (shift) frame.style.translate = '0 ' + Math.round(shift) + 'px';
    },
  },
});
