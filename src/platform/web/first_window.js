// The title window drawn into the page, placed before its first paint where
// the program will place it: at the display's scale (display.js), centred by
// the game's rule. Laid out again on a rotation until the program takes over.
// Then the program (a classic script, which runs from disk too) is fetched and
// run, once the window is painted whole: nothing of it holds the window back.
(function () {
  var frame = document.getElementById('first-window');
  function place() {
    if (!frame.isConnected) return removeEventListener('resize', place);
    var root = document.documentElement;
    var style = getComputedStyle(root);
    var chrome = function (name) { return parseFloat(style.getPropertyValue(name)) || 0; };
    var need = frame.dataset.need.split(' ').map(Number);
    var scale = Math.min(1, (root.clientWidth - 2 * chrome('--frame-border')) / need[0],
                         (root.clientHeight - 2 * chrome('--frame-border') - chrome('--title-bar') - chrome('--menu-bar')) /
                         need[1]);
    scale = Math.max(0.1, Math.floor(scale * 1000) / 1000);
    document.getElementById('desktop').style.setProperty('--scale', scale);
    var centred = function (display, outer) {
      var half = (Math.round(display / scale) - Math.round(outer / scale)) / 2;
      return (half < 0 ? -Math.round(-half) : Math.round(half)) * scale;
    };
    // The 2x pictures from the ratio on which the program shows them.
    var sharp = devicePixelRatio >= Number(frame.dataset.sharpRatio);
    frame.querySelectorAll('img').forEach(function (img) {
      var src = sharp && img.dataset.sharp ? img.dataset.sharp : img.dataset.src;
      if (img.getAttribute('src') !== src) img.src = src;
    });
    frame.style.left = centred(root.clientWidth, frame.offsetWidth) + 'px';
    frame.style.top = centred(root.clientHeight, frame.offsetHeight) + 'px';
  }
  place();
  addEventListener('resize', place);
  function run() {
    var program = document.createElement('script');
    program.src = document.getElementById('desktop').dataset.program;
    document.body.appendChild(program);
  }
  // The window is painted whole once its faces and pictures are in (its text
  // waits for its faces).
  var pictures = [...frame.querySelectorAll('img')].map(function (img) {
    return img.decode().catch(function () {});
  });
  if (document.hidden) run();
  else Promise.all([document.fonts.ready].concat(pictures)).then(function () {
    requestAnimationFrame(function () { setTimeout(run); });
  });
})();
