// The suite's printed lines go to the driver outside the browser, which
// reads and prints them.
Module['print'] = Module['printErr'] = function (line) {
  (globalThis.tolvaneOutput = globalThis.tolvaneOutput || []).push(line);
};
