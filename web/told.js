// What screen readers are told of the game, as the program tells it: each
// thing of the shown windows as an element in its place, the focused
// control's with the browser's focus, a dialog described by its texts; and
// the game's sentences, each added to the spoken region. The game takes the
// keyboard once it is shown and its first control is on the page.
"use strict";
(function () {
  var page = window.mudrovan = window.mudrovan || {};
  var screen = document.getElementById("screen");

  // What screen readers know of the game is the mirror (below): an element
  // for each thing of the shown windows, in its place over the canvas. The
  // game's focused control is the browser's focus, on its element, so a
  // screen reader used by keyboard hears it where a finger or a pointer
  // finds it, and nothing on the page is there twice. The canvas itself is
  // only drawn.
  var mirror = document.getElementById("mirror");
  var heard = document.getElementById("heard");
  var keys = document.getElementById("keys");
  var mirrored = {}, focusKey = null, focused = null, left = null;

  // The game takes the keyboard once it is shown and its first control is
  // on the page, whichever comes last, so that a screen reader entering it
  // hears the game's control and the clue keys together.
  var shown = false, keyboardTaken = false;
  function takeKeyboard() {
    if (keyboardTaken || !shown || !mirrored[focusKey]) return;
    keyboardTaken = true;
    if (keys.textContent) say(keys.textContent);
    focusGame();
  }

  // Only the focused control's element takes the focus: a screen reader's
  // caret reading the page (its browse mode, its reading as the page loads)
  // moves the browser's focus to what it passes that can take it, and the
  // game's focus is one.
  function focusGame() {
    var element = mirrored[focusKey];
    if (!keyboardTaken || !element || screen.hidden) return;
    if (focused !== element) {
      if (focused) focused.removeAttribute("tabindex");
      element.tabIndex = -1;
      left = focused;
      focused = element;
      movedAt = performance.now();
    }
    if (document.activeElement !== element) element.focus({ preventScroll: true });
  }

  // A screen reader reading the page through stops at the player's key, and
  // puts its caret, and the browser's focus, where its reading had come to:
  // a moment after the game has moved its focus at that key. The focus goes
  // back to the game's control, and the reader hears it. Later, the reader's
  // caret and a press beside the board take the focus as they do.
  var movedAt = 0;
  document.addEventListener("focusout", function (event) {
    if (event.target !== focused || event.relatedTarget || performance.now() - movedAt > 1000) return;
    movedAt = 0;
    setTimeout(focusGame, 0);
  }, true);
  document.addEventListener("pointerdown", function (event) {
    if (!inGame(event.target)) movedAt = 0;
  }, true);

  // A key is the game's while its control has the focus, and also while
  // nothing on the page has it (a click beside the board, or a screen reader
  // reading the page, moves the focus to the page itself: Orca does so when
  // a key stops its reading of the page as the game comes up): the game
  // takes the focus back, and the key with it. It goes to the canvas's own
  // handlers, as the canvas's; the browser does what the game leaves
  // undone. And WebKitGTK names Shift+Tab's key "Unidentified" (the
  // keyboard gives it as the left tab): the game is told the Tab it is.
  function onKey(event) {
    if (!event.isTrusted || !keyboardTaken || screen.hidden) return;
    var target = event.target;
    if (target !== document.body && target !== document.documentElement && !inGame(target)) return;
    var clickGoesOn = event.code === clickedBy && (event.type === "keyup" || event.repeat);
    if (clickGoesOn || (event.type === "keydown" && target !== focused && clickAtCaret(event))) {
      event.preventDefault();
      if (event.type === "keyup") clickedBy = null;
      return;
    }
    if (event.type === "keydown" && target !== focused) focusGame();
    var tab = event.key === "Unidentified" && event.code === "Tab";
    if (target !== screen) toGame(event, event.type, tab ? { key: "Tab", keyCode: 9, which: 9 } : null);
  }
  document.addEventListener("keydown", onKey, true);
  document.addEventListener("keyup", onKey, true);

  // Enter or Space where a screen reader's reading caret is, on something
  // that acts on a click, is a click on it, as most readers send one: the
  // reader's browse mode puts the page's caret there, and the focus on the
  // page itself.
  var clickedBy = null;
  function clickAtCaret(event) {
    if (event.key !== "Enter" && event.key !== " " || event.repeat || !act) return false;
    var selection = document.getSelection(), node = selection && selection.focusNode;
    for (; node && node !== mirror; node = node.parentNode) {
      if (node.kind && node.kind.slice(-1) === "!") {
        clickedBy = event.code;
        act(node.key);
        return true;
      }
    }
    return false;
  }
  screen.addEventListener("focus", function () { focusGame(); });

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
  // and swipes from one to the next; one on a desktop follows the pointer;
  // one used by keyboard follows the focus.
  var descriptions = document.getElementById("descriptions");
  var act = null;
  var HOLDERS = { group: 1, dialog: 1, listbox: 1, frame: 1 };

  function mirrorElement(item) {
    var element = document.createElement("div");
    element.id = "m" + item.k;
    if (item.r !== "text" && item.r !== "frame") element.setAttribute("role", item.r);
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

  // A window's description (a dialog's texts, read as it is entered) is
  // kept apart, never read as a part of the page.
  function describe(element, text) {
    var description = element.description;
    if (!text) {
      if (description) description.remove();
      element.description = null;
      setAttribute(element, "aria-describedby", null);
      return;
    }
    if (!description) {
      description = element.description = document.createElement("div");
      description.id = element.id + "d";
      descriptions.appendChild(description);
    }
    if (description.textContent !== text) description.textContent = text;
    setAttribute(element, "aria-describedby", description.id);
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
    if (item.r === "dialog") describe(element, item.t);
    else if (item.r === "group" && item.t && !keys.textContent) keys.textContent = item.t;
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
    // within each (before what is leaving), moved only where it is not.
    Array.from(held.keys()).reverse().forEach(function (parent) {
      var staying = function () {
        return Array.prototype.filter.call(parent.children, function (e) { return !e.classList.contains("leaving"); });
      };
      var order = staying();
      held.get(parent).forEach(function (element, index) {
        if (order[index] === element) return;
        parent.insertBefore(element, order[index] || null);
        order = staying();
      });
    });
    // What has gone goes with the outermost of it.
    var gone = [];
    for (key in mirrored) if (now[key] !== mirrored[key]) gone.push(mirrored[key]);
    // The control the focus has just left, and what holds it (a closed
    // list, a dialog), go a moment later, out of the pointer's way: a screen
    // reader that finds the control it comes from gone takes the new focus
    // for where it already was, and says nothing.
    gone.forEach(function (element) {
      if (element.description) element.description.remove();
      if (gone.indexOf(element.parentElement) >= 0) return;
      if (!left || !element.contains(left)) return element.remove();
      element.classList.add("leaving");
      setTimeout(function () { element.remove(); }, 500);
    });
    mirrored = now;
    // The focused control's element, made anew, or come after the game's
    // focus was told, takes the focus.
    if (keyboardTaken) focusGame();
    else takeKeyboard();
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
  function onScreen(event, type, told) {
    var box = screen.getBoundingClientRect();
    return new Proxy(event, { get: function (real, name) {
      if (name === "target" || name === "currentTarget" || name === "srcElement") return screen;
      if (name === "type") return type;
      if (told && name in told) return told[name];
      if (name === "offsetX") return real.clientX - box.left;
      if (name === "offsetY") return real.clientY - box.top;
      var value = real[name];
      return typeof value === "function" ? value.bind(real) : value;
    } });
  }
  function toGame(event, type, told) {
    var seen = onScreen(event, type, told), handler = screen["on" + type];
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
  // The keyboard stays with the game at a press on the board: the game's
  // control keeps the focus, or takes the one the press gives it. Asked of
  // the page, not of each element: an element that takes mouse presses is
  // read out as "clickable".
  document.addEventListener("mousedown", function (event) {
    if (!event.isTrusted || !keyboardTaken || !inGame(event.target)) return;
    event.preventDefault();
    focusGame();
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
  page.focus = function (key) {
    focusKey = key;
    focusGame();
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
