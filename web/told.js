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

  // A key pressed while nothing on the page has the focus (or the mirror
  // has it) is the game's: a click beside the board, or a screen reader
  // reading the page, moves the focus to the page itself (Orca does so
  // when a key stops its reading of the page as the game comes up). The
  // game takes the keyboard back, and the key with it. And WebKitGTK names Shift+Tab's key "Unidentified" (the
  // keyboard gives it as the left tab): the game is told the Tab it is.
  function onKey(event) {
    if (!event.isTrusted) return;
    var active = document.activeElement;
    var stray = event.type === "keydown" && keyboardTaken && !screen.hidden &&
                (!active || active === document.body || mirror.contains(active));
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

  // The mirror: an element over each thing of the shown windows that a
  // player reads or uses, in the order they are read, as the program hands
  // them over (see page.mirror); containers (a window, an open list) hold
  // theirs. They are not seen, but they are where a finger or a pointer
  // finds them: a screen reader on a phone says what lies under the finger
  // and swipes from one to the next; one on a desktop follows the pointer.
  var mirror = document.getElementById("mirror");
  var mirrored = {}, act = null;
  var HOLDERS = { group: 1, dialog: 1, listbox: 1, frame: 1 };

  function mirrorElement(item) {
    var element = document.createElement(item.r === "button" ? "button" : "div");
    if (item.r === "button") {
      element.type = "button";
      element.tabIndex = -1;
    } else if (item.r !== "text" && item.r !== "frame") {
      element.setAttribute("role", item.r);
    }
    if (item.r === "combobox") element.setAttribute("aria-haspopup", "listbox");
    // What the player can act on takes its own click: a browser offers an
    // element's default action to screen readers where it takes clicks.
    if (item.a) element.addEventListener("click", onClick);
    // The player's pointer, even after the element has gone: a touch goes
    // on to the element it began on.
    PLAYER_EVENTS.forEach(function (type) { element.addEventListener(type, onPlayer); });
    element.key = item.k;
    element.kind = kindOf(item);
    return element;
  }

  function kindOf(item) { return item.r + (item.a ? "!" : ""); }

  function setAttribute(element, name, value) {
    if (value === null) {
      if (element.hasAttribute(name)) element.removeAttribute(name);
    } else if (element.getAttribute(name) !== value) {
      element.setAttribute(name, value);
    }
  }

  function update(element, item, within) {
    var holder = HOLDERS[item.r];
    var label = item.r === "text" ? null : item.n || null;
    var text = holder ? null : item.r === "text" ? item.n : item.r === "combobox" ? item.v : item.r === "img" ? "" : item.n;
    setAttribute(element, "aria-label", item.r === "option" ? null : label);
    if (text !== null && element.textContent !== text) element.textContent = text;
    setAttribute(element, "aria-disabled", item.d ? "true" : null);
    setAttribute(element, "aria-expanded", item.e === undefined ? null : String(!!item.e));
    setAttribute(element, "aria-selected", item.r === "option" ? String(!!item.s) : null);
    setAttribute(element, "aria-modal", item.m ? "true" : null);
    var style = element.style;
    var left = item.x - (within ? within.x : 0) + "px", top = item.y - (within ? within.y : 0) + "px";
    if (style.left !== left) style.left = left;
    if (style.top !== top) style.top = top;
    if (style.width !== item.w + "px") style.width = item.w + "px";
    if (style.height !== item.h + "px") style.height = item.h + "px";
  }

  page.mirrorActs = function (activate) { act = activate; };

  // Each change is handed over whole; the page changes only what differs.
  // A screen reader hears of every element that comes, goes or changes,
  // and drops what the game says in a flood of such news: so an element
  // that comes is put in place with all it holds, and where many change
  // at once (a new round, the lists locked) the mirror is made anew,
  // apart, and put in place of the old at once.
  var MANY = 10;
  page.mirror = function (json) {
    var items = JSON.parse(json), byKey = {}, now = {}, changes = 0;
    items.forEach(function (item) {
      item.signature = JSON.stringify(item);
      byKey[item.k] = item;
      var element = mirrored[item.k];
      if (!element || element.signature !== item.signature) changes++;
    });
    for (var key in mirrored) if (!byKey[key]) changes++;
    var anew = changes > MANY, held = new Map();
    items.forEach(function (item) {
      // A key the program gives anew to another thing is another element.
      var element = anew ? null : mirrored[item.k];
      if (!element || element.kind !== kindOf(item)) element = mirrorElement(item);
      now[item.k] = element;
      var within = byKey[item.p], parent = within ? now[item.p] : mirror;
      if (element.signature !== item.signature) update(element, item, within);
      element.signature = item.signature;
      if (!held.has(parent)) held.set(parent, []);
      held.get(parent).push(element);
    });
    // The innermost first, the page's own place last: in reading order
    // within each, moved only where it is not.
    Array.from(held.keys()).reverse().forEach(function (parent) {
      held.get(parent).forEach(function (element, index) {
        if (parent.children[index] !== element) parent.insertBefore(element, parent.children[index] || null);
      });
    });
    // What has gone goes with the outermost of it.
    var gone = [];
    for (key in mirrored) if (now[key] !== mirrored[key]) gone.push(mirrored[key]);
    gone.forEach(function (element) { if (gone.indexOf(element.parentElement) < 0) element.remove(); });
    mirrored = now;
  };

  // The player's own pointer on the mirror goes on to the game as it would
  // on the canvas beneath, the same event, seen as the canvas's: the
  // canvas and its mirror are one surface. A click that follows the
  // player's own press was the game's already; a click with no press (a
  // screen reader's activation: a double tap, the accessibility interface's
  // action, Enter in a reader's browse mode) is a click on the control.
  var PLAYER_EVENTS = ["pointerdown", "pointermove", "pointerup", "pointercancel", "touchstart", "touchmove",
                       "touchend", "touchcancel", "wheel", "contextmenu", "pointerover", "pointerout"];
  var listeners = {}, addListener = screen.addEventListener, removeListener = screen.removeEventListener;
  screen.addEventListener = function (type, listener) {
    (listeners[type] = listeners[type] || []).push(listener);
    return addListener.apply(this, arguments);
  };
  screen.removeEventListener = function (type, listener) {
    var list = listeners[type] || [], at = list.indexOf(listener);
    if (at >= 0) list.splice(at, 1);
    return removeListener.apply(this, arguments);
  };
  function onScreen(event, type) {
    var box = screen.getBoundingClientRect();
    return new Proxy(event, { get: function (real, name) {
      if (name === "target" || name === "currentTarget" || name === "srcElement") return screen;
      if (name === "type") return type;
      if (name === "offsetX") return real.clientX - box.left;
      if (name === "offsetY") return real.clientY - box.top;
      var value = real[name];
      return typeof value === "function" ? value.bind(real) : value;
    } });
  }
  function toGame(event, type) {
    var seen = onScreen(event, type), handler = screen["on" + type];
    if (handler) handler.call(screen, seen);
    (listeners[type] || []).slice().forEach(function (listener) {
      if (typeof listener === "function") listener.call(screen, seen);
      else listener.handleEvent(seen);
    });
  }
  function inGame(node) { return !!node && (node === screen || mirror.contains(node)); }

  var pressedUntil = 0;
  function onPlayer(event) {
    // Each event once, by the element it is for.
    if (!event.isTrusted || event.target !== event.currentTarget) return;
    var type = event.type;
    if (type === "pointerover" || type === "pointerout") {
      // Onto the game from outside it, or off it.
      if (!inGame(event.relatedTarget)) toGame(event, type === "pointerover" ? "pointerenter" : "pointerleave");
      return;
    }
    if (type === "pointerdown") pressedUntil = performance.now() + 10000;
    toGame(event, type);
  }
  // A press ends wherever its pointer is then (the game takes a mouse as it
  // is pressed, and its release comes to the canvas). Its click comes at
  // once (a touch's a moment later); after that, a click is not the
  // player's. A press whose end the page never learns of lasts ten seconds.
  ["pointerup", "pointercancel"].forEach(function (type) {
    document.addEventListener(type, function (event) {
      if (event.isTrusted && pressedUntil > performance.now()) pressedUntil = performance.now() + 1000;
    }, true);
  });
  // The keyboard stays with the game, as at a click on the canvas. Asked
  // of the page, not of each element: an element that takes mouse presses
  // is read out as "clickable".
  document.addEventListener("mousedown", function (event) {
    if (!event.isTrusted || !keyboardTaken || !mirror.contains(event.target)) return;
    event.preventDefault();
    screen.focus();
  }, true);
  function onClick(event) {
    if (event.target !== event.currentTarget) return;
    if (performance.now() < pressedUntil) {
      pressedUntil = 0;
      return;
    }
    event.preventDefault();
    if (act && event.currentTarget.key) act(event.currentTarget.key);
  }
  // The canvas and its mirror are one surface: moving from one to the other
  // is not leaving the game.
  ["pointerenter", "pointerleave"].forEach(function (type) {
    addListener.call(screen, type, function (event) {
      if (inGame(event.relatedTarget)) event.stopImmediatePropagation();
    }, true);
  });

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
