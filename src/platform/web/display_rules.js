// Where the page's windows stand on the display: one script, included both
// in the page, for the title window it draws before its program runs
// (first_window.js), and in the program, for its own windows (display.js).
// The display is the browser's visible area. Where the game's largest client
// area does not fit it with its frame, every client area is drawn at one
// smaller scale, and the game's pixels are CSS pixels at that scale.
var DisplayRules = {
  // The frame and bars around a client area keep their size (page.css).
  chrome: function (name) {
    return parseFloat(getComputedStyle(document.documentElement).getPropertyValue(name)) || 0;
  },

  // The display in CSS px and its scale: the largest client area `need`, in
  // the game's pixels ([0, 0]: none known), fits with its frame and bars.
  // The desktop's client areas are drawn at that scale.
  measure: function (need) {
    var root = document.documentElement;
    var display = { width: root.clientWidth, height: root.clientHeight };
    var frame = 2 * DisplayRules.chrome('--frame-border');
    var bars = DisplayRules.chrome('--title-bar') + DisplayRules.chrome('--menu-bar');
    var scale = 1;
    if (need[0] > 0 && need[1] > 0)
      scale = Math.min(1, (display.width - frame) / need[0], (display.height - frame - bars) / need[1]);
    display.scale = Math.max(0.1, Math.floor(scale * 1000) / 1000);
    document.getElementById('desktop').style.setProperty('--scale', display.scale);
    return display;
  },

  // CSS px in the game's pixels on `display`, and back.
  inGame: function (display, css) { return Math.round(css / display.scale); },
  inCss: function (display, pixels) { return pixels * display.scale; },

  // Where the game centres `frame` on `display` (shell/centring.h: half the
  // display less half the window, in twips, rounded to the pixel as the
  // runtime rounds them), in CSS px.
  centre: function (display, frame) {
    var origin = function (extent, outer) {
      var half = (DisplayRules.inGame(display, extent) - DisplayRules.inGame(display, outer)) / 2;
      return DisplayRules.inCss(display, half < 0 ? -Math.round(-half) : Math.round(half));
    };
    return [origin(display.width, frame.offsetWidth), origin(display.height, frame.offsetHeight)];
  },

  // Device pixels to a CSS pixel: the 2x pictures are shown from
  // resources/picture_scale.h's ratio on.
  devicePixelRatio: function () { return window.devicePixelRatio || 1; },
};
