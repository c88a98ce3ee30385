// The board's fit to the screen. Phones and tablets show the board as large
// as the screen allows, to the width in portrait, to the height in
// landscape, by the page's zoom (its viewport), and again when the device
// turns; the player may zoom further, as on any page. The program draws at
// the zoomed density itself, so it stays sharp. Desktop browsers keep the
// page at its size, the board 1:1.
"use strict";
(function () {
  var page = window.mudrovan = window.mudrovan || {};
  var root = document.documentElement;
  var viewport = document.querySelector('meta[name="viewport"]');
  var board = { width: 519, height: 513 };  // the board's frame, until the program says
  var MARGIN = 4;                            // around the fitted board
  var touchFirst = window.matchMedia("(pointer: coarse)");

  var settling = false;
  function fit() {
    var vv = window.visualViewport;
    if (!vv || settling) return;
    // The screen, in the browser's unzoomed pixels, whatever the zoom now.
    var width = vv.width * vv.scale, height = vv.height * vv.scale;
    var fitted = touchFirst.matches || width < board.width + 32 || height < board.height + 96;
    root.classList.toggle("fit", fitted);
    var content = "width=device-width, initial-scale=1";
    var zoom = 1;
    if (fitted) {
      var scale = Math.min(width / (board.width + 2 * MARGIN), height / (board.height + 2 * MARGIN));
      var layoutWidth = Math.ceil(width / scale);
      // The browser zooms the page to show that width across the screen
      // (an initial scale below one would tell it the page is not made for
      // phones).
      zoom = width / layoutWidth;
      content = "width=" + layoutWidth;
    }
    root.style.setProperty("--zoom", String(zoom));
    var before = viewport.content;
    if (before === content) return;
    if (!fitted || before.indexOf("device-width") >= 0) {
      viewport.content = content;
      return;
    }
    // A new shape of the screen (the device turned) shows the whole board
    // again, whatever the player's zoom was: the scale is told for a moment.
    settling = true;
    viewport.content = content + ", initial-scale=" + zoom;
    requestAnimationFrame(function () {
      requestAnimationFrame(function () {
        viewport.content = content;
        settling = false;
        fit();
      });
    });
  }

  // Qt draws at the device's pixel ratio times the page's zoom, but never
  // above the device's ratio: on a tablet, where the page zooms in, it would
  // draw too few pixels and the browser would stretch them. So Qt is told
  // the ratio times the zoom wherever the page zooms in, up to a density a
  // phone draws at once (a player's zoom may go far beyond).
  var MOST = 4;
  var deviceRatio = Object.getOwnPropertyDescriptor(window, "devicePixelRatio") ||
                    Object.getOwnPropertyDescriptor(Window.prototype, "devicePixelRatio");
  if (deviceRatio && deviceRatio.get && window.visualViewport) {
    Object.defineProperty(window, "devicePixelRatio", {
      configurable: true,
      get: function () {
        var ratio = deviceRatio.get.call(window);
        return Math.min(ratio * Math.max(1, window.visualViewport.scale), Math.max(ratio, MOST));
      }
    });
  }

  fit();
  window.addEventListener("resize", fit);
  window.addEventListener("orientationchange", fit);
  if (window.visualViewport) window.visualViewport.addEventListener("resize", fit);

  // The program tells the board's size once it is up.
  page.fitBoard = function (width, height) {
    board = { width: width, height: height };
    fit();
  };
})();
