// The modal boxes (page.h), in a shade that keeps the mouse from the
// windows: the input box and the error box. The program places them and
// waits until the player has answered.

mergeInto(LibraryManager.library, {
  $Boxes: {
    open: function (title, className) {
      var shade = Desktop.element('div', 'shade', document.body);
      var parts = Desktop.frame(shade, 'window active box ' + className, 'caption-' + className, title);
      parts.frame.setAttribute('aria-modal', 'true');
      var body = Desktop.element('div', 'box-body', parts.frame);
      // The windows' pending input never reaches them.
      Desktop.inputs = [];
      return { shade: shade, frame: parts.frame, body: body, close: parts.close, state: 0 };
    },

    settle: function (box, state) {
      if (box.state) return;
      box.state = state;
      Desktop.wakeProgram();
    },

    button: function (box, parent, text, state) {
      var b = Desktop.element('button', 'button', parent);
      b.type = 'button';
      b.textContent = text;
      b.addEventListener('click', function () { Boxes.settle(box, state); });
      return b;
    },

    // Tab moves between the box's own controls; the Alt letters do nothing.
    key: function (box, e, order, onEnter) {
      if (e.key === 'Tab' && !e.ctrlKey && !e.altKey) {
        e.preventDefault();
        var at = order.indexOf(document.activeElement);
        var next = at < 0 ? 0 : (at + (e.shiftKey ? -1 : 1) + order.length) % order.length;
        return order[next].focus();
      }
      if (e.key === 'Escape') {
        e.preventDefault();
        return Boxes.settle(box, 2);
      }
      if (e.key === 'Enter') {
        e.preventDefault();
        return onEnter();
      }
      if (e.altKey) e.preventDefault();
    },

    openInput: function (prompt, title, ok, cancel) {
      var box = Boxes.open(title, 'input-box');
      Desktop.element('div', 'prompt', box.body).textContent = prompt;
      var field = Desktop.element('input', 'text-box', box.body);
      field.type = 'text';
      field.autocomplete = 'off';
      field.spellcheck = false;
      field.setAttribute('aria-label', prompt);
      var buttons = Desktop.element('div', 'box-buttons', box.body);
      var okButton = Boxes.button(box, buttons, ok, 1);
      var cancelButton = Boxes.button(box, buttons, cancel, 2);
      box.close.addEventListener('click', function () { Boxes.settle(box, 2); });
      box.field = field;
      box.key = function (e) {
        Boxes.key(box, e, [field, okButton, cancelButton], function () {
          Boxes.settle(box, document.activeElement === cancelButton ? 2 : 1);
        });
      };
      Desktop.inputBox = box;
      field.focus();
    },

    openError: function (title, message, ok) {
      var box = Boxes.open(title, 'error-box');
      var row = Desktop.element('div', 'error-row', box.body);
      Desktop.element('div', 'error-icon', row).setAttribute('aria-hidden', 'true');
      Desktop.element('div', 'message', row).textContent = message;
      var okButton = Boxes.button(box, Desktop.element('div', 'box-buttons', box.body), ok, 1);
      box.close.addEventListener('click', function () { Boxes.settle(box, 1); });
      box.key = function (e) {
        Boxes.key(box, e, [okButton], function () { Boxes.settle(box, 1); });
      };
      Desktop.errorBox = box;
      okButton.focus();
    },

    close: function (which) {
      var box = Desktop[which];
      Desktop[which] = null;
      if (box) box.shade.remove();
    },
  },

  page_input_box_open: function (prompt, title, ok, cancel) {
    Boxes.openInput(UTF8ToString(prompt), UTF8ToString(title), UTF8ToString(ok), UTF8ToString(cancel));
  },
  page_input_box_state: function () { return Desktop.inputBox ? Desktop.inputBox.state : 2; },
  page_input_box_text: function (buffer, size) {
    var text = Desktop.inputBox ? Desktop.inputBox.field.value : '';
    stringToUTF8(text, buffer, size);
    return lengthBytesUTF8(text);
  },
  page_input_box_close: function () { Boxes.close('inputBox'); },
  page_error_box_open: function (title, message, ok) {
    Boxes.openError(UTF8ToString(title), UTF8ToString(message), UTF8ToString(ok));
  },
  page_error_box_state: function () { return Desktop.errorBox ? Desktop.errorBox.state : 1; },
  page_error_box_close: function () { Boxes.close('errorBox'); },

  // The open box's outer width and the page's viewport, in CSS pixels: the
  // boxes are drawn at the page's own scale, not the windows'.
  page_box_measure: function (displayWidth, displayHeight, outerWidth) {
    var box = Desktop.errorBox || Desktop.inputBox;
    HEAP32[displayWidth >> 2] = document.documentElement.clientWidth;
    HEAP32[displayHeight >> 2] = document.documentElement.clientHeight;
    HEAP32[outerWidth >> 2] = box ? box.frame.offsetWidth : 0;
  },
  page_box_move: function (left, top) {
    var box = Desktop.errorBox || Desktop.inputBox;
    if (box) Desktop.place(box.frame, left, top);
  },
});
