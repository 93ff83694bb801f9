// The game's windows on the page (page.h): each a <section> drawn as a
// desktop window, with its title bar, close control and menu bar. Which
// window is active and which control has the focus, the program says; the
// page tells it where the player pressed and where the browser put the focus.

mergeInto(LibraryManager.library, {
  $Windows: {
    front: 0, // the highest stacking order given so far

    create: function (id, caption, width, height, back, picture) {
      var parts = Desktop.frame(document.getElementById('desktop'), 'window out-of-view', 'caption-' + id, caption);
      var frame = parts.frame;
      frame.tabIndex = -1;
      parts.close.addEventListener('click', function () { if (!Desktop.modalOpen()) Desktop.post(2, id, 0); });
      var client = Desktop.element('div', 'client', frame);
      client.style.width = width + 'px';
      client.style.height = height + 'px';
      client.style.backgroundColor = back;
      if (picture >= 0) {
        client.style.backgroundImage = 'url("' + Controls.pictures[picture] + '")';
        var natural = Controls.pictureSizes[picture];
        if (natural) client.style.backgroundSize = natural[0] + 'px ' + natural[1] + 'px';
      }
      var w = { id: id, frame: frame, client: client, menu: null, menuKeys: null, controls: [] };
      Desktop.windows[id] = w;
      // A press on a window behind asks the program to bring it to the front.
      frame.addEventListener('pointerdown', function () { if (w.id !== Desktop.active) Desktop.post(4, id, 0); }, true);
      // The browser moves the focus on a press only into a text box, whose
      // caret lands where the player pressed; the program gives every other
      // focus a click brings.
      frame.addEventListener('mousedown', function (e) {
        if (!e.target.closest('.client input')) e.preventDefault();
      }, true);
    },

    activate: function (w) {
      var old = Desktop.windows[Desktop.active];
      if (old) old.frame.classList.remove('active');
      Desktop.active = w.id;
      w.frame.classList.add('active');
      w.frame.style.zIndex = ++Windows.front;
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

    hide: function (w) {
      w.frame.classList.add('out-of-view');
      Windows.closeMenus();
      if (Desktop.active !== w.id) return;
      w.frame.classList.remove('active');
      Desktop.active = 0;
      if (w.frame.contains(document.activeElement)) document.activeElement.blur();
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
      Desktop.fillMarked(Desktop.element('span', '', entry), before, letter, after);
      entry.setAttribute('aria-label', before + letter + after);
      w.menuKeys[item === 0 ? 'game' : item === -1 ? 'quit' : 'about'] = { entry: entry };
      entry.addEventListener('click', function (e) {
        e.stopPropagation();
        if (Desktop.modalOpen()) return;
        if (item === 0) return Windows.toggleMenu(w, !entry.classList.contains('open'));
        Windows.closeMenus();
        Desktop.post(1, w.id, item);
      });
      if (item === 0) {
        entry.setAttribute('aria-haspopup', 'menu');
        entry.setAttribute('aria-expanded', 'false');
      }
    },

    toggleMenu: function (w, open) {
      Windows.closeMenus();
      if (!open || !w.menuKeys) return;
      var game = w.menuKeys.game.entry;
      game.classList.add('open');
      game.setAttribute('aria-expanded', 'true');
      w.menuKeys.quit.entry.classList.add('highlighted');
    },

    menuOpen: function (w) { return w.menuKeys && w.menuKeys.game.entry.classList.contains('open'); },

    closeMenus: function () {
      document.querySelectorAll('.menu-item.open').forEach(function (e) {
        e.classList.remove('open');
        e.setAttribute('aria-expanded', 'false');
      });
    },
  },

  page_window_create: function (id, caption, width, height, back, picture) {
    Windows.create(id, UTF8ToString(caption), width, height, UTF8ToString(back), picture);
  },
  page_menu_item: function (id, item, before, letter, after) {
    Windows.menuItem(Desktop.windows[id], item, UTF8ToString(before), UTF8ToString(letter), UTF8ToString(after));
  },
  page_window_show: function (id) {
    var w = Desktop.windows[id];
    w.frame.classList.remove('out-of-view');
    Windows.retireFirstWindow(w);
  },
  page_window_activate: function (id) { Windows.activate(Desktop.windows[id]); },
  page_window_hide: function (id) { Windows.hide(Desktop.windows[id]); },
  page_window_move: function (id, left, top) { Display.move(Desktop.windows[id].frame, left, top); },
  page_window_outer_width: function (id) { return Display.outerWidth(Desktop.windows[id].frame); },
  page_window_outer_height: function (id) { return Display.outerHeight(Desktop.windows[id].frame); },
  page_window_remove: function (id) {
    var w = Desktop.windows[id];
    if (!w) return;
    Windows.hide(w);
    w.frame.remove();
    delete Desktop.windows[id];
  },

  page_focus: function (id, control, select) {
    var w = Desktop.windows[id];
    if (Desktop.active !== id || Desktop.modalOpen()) return;
    var to = control >= 0 ? w.controls[control] : w.frame;
    to.focus({ preventScroll: true });
    if (select) to.select();
  },
  page_focused_control: function (id) {
    var w = Desktop.windows[id];
    var e = document.activeElement;
    if (!e || !w.frame.contains(e)) return -2;
    var control = e.closest('[data-control]');
    return control ? Number(control.dataset.control) : -1;
  },
  page_menu: function (id, open) { Windows.toggleMenu(Desktop.windows[id], open); },
  page_menu_open: function (id) { return Windows.menuOpen(Desktop.windows[id]) ? 1 : 0; },
});
