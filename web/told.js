// What screen readers are told of the game, as the program tells it: the
// focused control, in the box of the window that holds it, where a dialog
// says its texts as it is entered; and the game's sentences, each added to
// the spoken region. The game takes the keyboard once it is shown and its
// first control told.
"use strict";
(function () {
  var page = window.mudrovan = window.mudrovan || {};
  var screen = document.getElementById("screen");

  // Each window and control has one element, made as it is first told (a
  // dialog's go once it has closed): screen readers take a control that goes
  // and comes back for the same one, and say nothing. All of it is inside
  // the game's canvas, read and never drawn: a screen
  // reader that puts its reading caret on the spoken region or the clue keys
  // leaves the keyboard with the game.
  var told = document.getElementById("told");
  var heard = document.getElementById("heard");
  var keys = document.getElementById("keys");
  var made = 0, boxes = {}, current, focused;

  function make(parent, role, label) {
    var element = document.createElement("div");
    element.id = "told" + ++made;
    element.setAttribute("role", role);
    if (label) element.setAttribute("aria-label", label);
    parent.appendChild(element);
    return element;
  }

  function fill(element, control) {
    element.setAttribute("aria-label", control.name);
    element.textContent = control.value === undefined ? "" : control.value;
    element.setAttribute("aria-disabled", String(control.disabled));
    if (control.expanded !== undefined) element.setAttribute("aria-expanded", String(control.expanded));
    if (control.role === "option") {
      element.textContent = control.name;
      element.setAttribute("aria-posinset", control.position);
      element.setAttribute("aria-setsize", control.count);
    }
  }

  // The window's box; a dialog's texts describe it. The board's first
  // description, the clue keys, stays on the page, and is said as the game
  // comes up.
  function boxOf(win) {
    var key = win.key === undefined ? current : win.key;
    var box = boxes[key];
    if (!box) {
      box = boxes[key] = { element: make(told, win.role || "group", win.name), controls: {} };
      if (win.role === "dialog" && win.description) {
        var text = make(box.element, "none");
        text.textContent = win.description;
        box.element.setAttribute("aria-describedby", text.id);
      }
      if (win.role === "group" && win.description && !keys.textContent) keys.textContent = win.description;
    }
    if (key !== current) {
      var left = boxes[current];
      if (left && left.element.getAttribute("role") === "dialog") {
        delete boxes[current];
        // Once the new focus has been told: a screen reader that sees the
        // focused control's window go looks for it elsewhere, and is lost.
        setTimeout(function () { left.element.remove(); }, 250);
      }
      current = key;
    }
    return box;
  }

  function focus(control) {
    var box = boxOf(control.window);
    var holder = box.element;
    if (control.role === "option") {
      holder = box.controls[control.list] || (box.controls[control.list] = make(box.element, "listbox"));
    }
    var element = box.controls[control.key] || (box.controls[control.key] = make(holder, control.role));
    fill(element, control);
    if (focused && focused.getAttribute("role") === "option") focused.removeAttribute("aria-selected");
    if (control.role === "option") element.setAttribute("aria-selected", "true");
    screen.setAttribute("aria-activedescendant", element.id);
    focused = element;
    takeKeyboard();
  }

  // The game takes the keyboard once it is shown and its first control is
  // told, whichever comes last, so that a screen reader entering it hears
  // the game and the control together (Qt would focus its canvas as it
  // starts: until then it cannot take the focus).
  var shown = false, keyboardTaken = false;
  function takeKeyboard() {
    if (keyboardTaken || !shown || !focused) return;
    keyboardTaken = true;
    if (keys.textContent) say(keys.textContent);
    screen.tabIndex = 0;
    screen.focus();
  }

  // A key pressed while nothing on the page has the focus is the game's: a
  // click beside the board, or a screen reader reading the page, moves the
  // focus to the page itself (Orca does so when a key stops its reading of
  // the page as the game comes up). The game takes the keyboard back, and
  // the key with it. And WebKitGTK names Shift+Tab's key "Unidentified" (the
  // keyboard gives it as the left tab): the game is told the Tab it is.
  function onKey(event) {
    if (!event.isTrusted) return;
    var active = document.activeElement;
    var stray = event.type === "keydown" && keyboardTaken && !screen.hidden && (!active || active === document.body);
    var leftTab = event.key === "Unidentified" && event.code === "Tab";
    if (!stray && !leftTab) return;
    event.preventDefault();
    event.stopPropagation();
    if (stray) screen.focus();
    (stray ? screen : event.target).dispatchEvent(new KeyboardEvent(event.type, !leftTab ? event : {
      key: "Tab", code: "Tab", keyCode: 9, which: 9, shiftKey: event.shiftKey, ctrlKey: event.ctrlKey,
      altKey: event.altKey, metaKey: event.metaKey, repeat: event.repeat, bubbles: true, cancelable: true
    }));
  }
  document.addEventListener("keydown", onKey, true);
  document.addEventListener("keyup", onKey, true);

  // A sentence said again at once ("Crvena" in the next list, the last clue
  // again) differs by an unspoken character: a screen reader may take the
  // same text twice in a row for one message and drop the second. Lines
  // said before go once the new one is out.
  // Until the browser has made the spoken region a part of what screen
  // readers see (a frame or two after the game is shown), sentences wait:
  // text that comes with the region itself is not told as news (Firefox).
  var lastSaid, waiting = [];
  function say(sentence) {
    if (waiting) {
      waiting.push(sentence);
      return;
    }
    if (sentence === lastSaid) sentence += "\u200b";
    lastSaid = sentence;
    var line = document.createElement("div");
    line.textContent = sentence;
    heard.appendChild(line);
    setTimeout(function () {
      while (heard.firstChild !== line) heard.removeChild(heard.firstChild);
    }, 250);
  }

  // What the program tells the page.
  page.focus = focus;
  page.change = function (control) {
    if (focused) fill(focused, control);
    else focus(control);
  };
  page.say = say;

  // Qt makes its canvas editable text, for a clipboard the game does not
  // use: screen readers would take the game for a text field, and a browser
  // would make what it tells them anew, and lose what is said meanwhile. The
  // canvas stays what it is.
  Object.defineProperty(screen, "contentEditable", {
    configurable: true, get: function () { return "false"; }, set: function () {}
  });

  // The game's canvas is on the page, and the board is up on it: once the
  // browser has made the spoken region a part of what screen readers see,
  // the sentences that waited are said.
  var boardIsUp = false;
  function ready() {
    if (!shown || !boardIsUp) return;
    setTimeout(function () {
      requestAnimationFrame(function () {
        requestAnimationFrame(function () {
          var sentences = waiting;
          waiting = null;
          sentences.forEach(say);
        });
      });
    }, 100);
  }
  page.gameShown = function () {
    shown = true;
    takeKeyboard();
    ready();
  };
  page.boardUp = function () {
    boardIsUp = true;
    ready();
  };
})();
