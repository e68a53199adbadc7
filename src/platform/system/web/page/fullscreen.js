// Full screen belongs to the page: the game passes on the player's wish
// (Options, Alt+Enter, the settings at start) and the page asks the browser,
// which allows it only during a gesture of the player's. A wish made outside
// one waits for the next click, tap or key that counts as one. Once in full
// screen a phone is held in landscape where the browser can lock it.
// Every request a browser may refuse is caught: a refusal is no error.
(function () {
  'use strict';
  var root = document.documentElement;
  var wanted = false;

  function activeGesture() {
    // Escape, for one, is no gesture to a browser; without this answer
    // (older browsers) the request is tried and its refusal caught.
    return !navigator.userActivation || navigator.userActivation.isActive;
  }
  function lockLandscape() {
    var orientation = screen.orientation;
    if (!orientation || !orientation.lock) return;
    try {
      orientation.lock('landscape').catch(function () {});
    } catch (e) { /* a browser without locking throws at once */ }
  }
  function enter() {
    if (document.fullscreenElement || !root.requestFullscreen || !activeGesture()) return;
    try {
      root.requestFullscreen({navigationUI: 'hide'}).then(lockLandscape, function () {});
    } catch (e) { /* refused */ }
  }
  function leave() {
    if (!document.fullscreenElement || !document.exitFullscreen) return;
    document.exitFullscreen().catch(function () {});
  }

  Module.setFullScreen = function (fullScreen) {
    wanted = fullScreen;
    if (fullScreen) enter(); else leave();
  };
  // Asked again on the next gesture while wanted; turning full screen off by
  // the browser's own means (Escape, the back gesture) is the player's choice
  // until the game asks again.
  Module.askFullScreenNow = function () { wanted = true; enter(); };
  ['pointerup', 'keyup', 'touchend'].forEach(function (type) {
    window.addEventListener(type, function () { if (wanted) enter(); }, true);
  });
  document.addEventListener('fullscreenchange', function () {
    if (!document.fullscreenElement) wanted = false;
  });
})();
