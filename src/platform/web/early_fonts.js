// The page's faces start decoding as soon as its script runs, while the
// program compiles: the first window's text waits for them otherwise.
['400 8pt "Liberation Sans"', '700 8pt "Liberation Sans"', '8pt "Lobster Two"'].forEach(function (font) {
  document.fonts.load(font);
});
