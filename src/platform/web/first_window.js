// The title window drawn into the page, placed before its first paint where
// the program will place it (display_rules.js, included before this script).
// Laid out again on a rotation until the program takes over. Then the program
// (a classic script, which runs from disk too) is fetched and run, once the
// window is painted whole: nothing of it holds the window back.
(function () {
  var frame = document.getElementById('first-window');
  function place() {
    if (!frame.isConnected) return removeEventListener('resize', place);
    var display = DisplayRules.measure(frame.dataset.need.split(' ').map(Number));
    // The 2x files where the program takes them: the ratio is the game's.
    var sharp = DisplayRules.devicePixelRatio() >= Number(frame.dataset.sharpRatio);
    frame.querySelectorAll('img').forEach(function (img) {
      var src = sharp && img.dataset.sharp ? img.dataset.sharp : img.dataset.src;
      if (img.getAttribute('src') !== src) img.src = src;
    });
    var at = DisplayRules.centre(display, frame);
    frame.style.left = at[0] + 'px';
    frame.style.top = at[1] + 'px';
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
