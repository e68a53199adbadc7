// Play by touch, on phones and tablets: the picture fills the screen, taps
// and drags become what the game knows (relative mouse motion and buttons,
// the mouse events SDL reads), a row of keys stands in for the keys a touch
// screen lacks, and the phone's keyboard types the name on the game-over
// screen. A desktop browser keeps the mouse and the keyboard as they are.
(function () {
  'use strict';
  var media = function (query) { return window.matchMedia && window.matchMedia(query).matches; };
  var touch = media('(pointer: coarse)') || (navigator.maxTouchPoints > 0 && !media('(pointer: fine)'));
  Module.touchScreen = function () { return touch; };
  Module.nameEntryShown = function () {};
  if (!touch) return;

  var root = document.documentElement;
  var canvas = document.getElementById('canvas');
  root.classList.add('touch');

  // The keys: each sends what the keyboard's key sends.
  var keyCodes = {Escape: 27, F1: 112, F2: 113, KeyS: 83, Enter: 13, Backspace: 8, ShiftLeft: 16, Space: 32,
                  Minus: 189};
  function sendKey(type, code) {
    var event = new KeyboardEvent(type, {key: code, code: code, bubbles: true, cancelable: true});
    // SDL reads the legacy key code, which a made event leaves at 0.
    var keyCode = keyCodes[code] || code.charCodeAt(code.length - 1);
    Object.defineProperty(event, 'keyCode', {get: function () { return keyCode; }});
    Object.defineProperty(event, 'which', {get: function () { return keyCode; }});
    window.dispatchEvent(event);
  }
  // One key at a time, each held across a frame and let go across another:
  // the game's name box takes one character per press.
  var keyQueue = [], keyTimer = 0;
  function pumpKeys() {
    keyTimer = 0;
    var step = keyQueue.shift();
    if (!step) return;
    sendKey(step[0], step[1]);
    keyTimer = setTimeout(pumpKeys, 50);
  }
  function pressKey(code, shifted) {
    if (shifted) keyQueue.push(['keydown', 'ShiftLeft']);
    keyQueue.push(['keydown', code], ['keyup', code]);
    if (shifted) keyQueue.push(['keyup', 'ShiftLeft']);
    if (!keyTimer) pumpKeys();
  }

  var keys = document.createElement('div');
  keys.id = 'touch-keys';
  [['Back', 'Escape'], ['Help', 'F1'], ['Pause', 'F2'], ['Save', 'KeyS']].forEach(function (key) {
    var button = document.createElement('button');
    button.type = 'button';
    button.textContent = key[0];
    button.dataset.key = key[1];
    button.addEventListener('click', function () { pressKey(key[1], false); });
    keys.appendChild(button);
  });
  var saveKey = keys.lastChild;
  saveKey.hidden = true;
  var turn = document.createElement('div');
  turn.id = 'turn-notice';
  turn.textContent = 'Turn your phone sideways for a larger picture';
  document.body.appendChild(keys);
  document.body.appendChild(turn);

  // The picture fills the screen in its shape, beside the keys in landscape
  // and above them in portrait, within the safe area. Whole factors of
  // device pixels keep it sharp where they leave at most 15 % of the
  // screen's short side unused; elsewhere it is scaled smoothly.
  function layout() {
    var style = getComputedStyle(document.body);
    var viewport = window.visualViewport;
    var width = (viewport ? viewport.width : window.innerWidth) -
        parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    var height = (viewport ? viewport.height : window.innerHeight) -
        parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
    document.body.style.height = (viewport ? viewport.height : window.innerHeight) + 'px';
    var portrait = height > width;
    root.classList.toggle('portrait', portrait);
    var gap = parseFloat(style.rowGap) || 0;
    if (portrait) height -= keys.offsetHeight + turn.offsetHeight + 2 * gap; else width -= keys.offsetWidth + gap;
    var scale = Math.max(0.1, Math.min(width / canvas.width, height / canvas.height));
    var ratio = window.devicePixelRatio || 1;
    var whole = Math.floor(scale * ratio) / ratio;
    var shortSide = portrait ? width / canvas.width : height / canvas.height;
    var sharp = whole > 0 && whole >= 0.85 * shortSide;
    if (sharp) scale = whole;
    canvas.classList.toggle('smooth', !sharp);
    canvas.style.width = (canvas.width * scale) + 'px';
    canvas.style.height = (canvas.height * scale) + 'px';
  }
  window.addEventListener('resize', layout);
  if (window.visualViewport) window.visualViewport.addEventListener('resize', layout);
  document.addEventListener('fullscreenchange', function () { setTimeout(layout, 0); });
  layout();

  // The game-over screen's name box: a tap on it opens the phone's keyboard
  // (the page's own text field, focused during the tap), whose text reaches
  // the game's box as key presses; Done or Return closes it.
  var nameBox = null;
  var field = document.createElement('input');
  field.id = 'name-field';
  field.type = 'text';
  field.autocomplete = 'off';
  field.setAttribute('autocapitalize', 'off');
  field.setAttribute('autocorrect', 'off');
  field.setAttribute('enterkeyhint', 'done');
  field.spellcheck = false;
  field.maxLength = 15;
  document.body.appendChild(field);
  var typed = '';
  Module.nameEntryShown = function (box) {
    nameBox = box;
    saveKey.hidden = !box;
    if (!box) field.blur();
    layout();
  };
  function typeText(text) {
    for (var i = 0; i < text.length; ++i) {
      var c = text[i];
      if (/[a-z]/i.test(c)) pressKey('Key' + c.toUpperCase(), c !== c.toLowerCase());
      else if (/[0-9]/.test(c)) pressKey('Digit' + c, false);
      else if (c === ' ') pressKey('Space', false);
      else if (c === '-' || c === '_') pressKey('Minus', c === '_');
    }
  }
  field.addEventListener('input', function () {
    var now = field.value, common = 0;
    while (common < now.length && common < typed.length && now[common] === typed[common]) ++common;
    for (var i = common; i < typed.length; ++i) pressKey('Backspace', false);
    typeText(now.slice(common));
    typed = now;
  });
  // The field's keys are its own: they reach the game through the text.
  ['keydown', 'keyup', 'keypress'].forEach(function (type) {
    field.addEventListener(type, function (e) {
      e.stopPropagation();
      if (type !== 'keydown') return;
      if (e.key === 'Enter') { e.preventDefault(); field.blur(); pressKey('Enter', false); }
      else if (e.key === 'Backspace' && !field.value) pressKey('Backspace', false);
    });
  });
  function openKeyboard() {
    typed = field.value = '';
    field.focus({preventScroll: true});
  }
  function inNameBox(x, y) {
    if (!nameBox) return false;
    var r = canvas.getBoundingClientRect();
    var px = (x - r.left) * canvas.width / r.width, py = (y - r.top) * canvas.height / r.height;
    return px >= nameBox.left && px < nameBox.right && py >= nameBox.top && py < nameBox.bottom;
  }

  // Fingers into mouse events. A tap puts the cursor under the finger and
  // presses there (the game lines its cursor up at every press); a drag
  // moves it with the finger; a long press or a two-finger tap is the right
  // button. Further fingers are ignored.
  function mouse(type, x, y, button) {
    canvas.dispatchEvent(new MouseEvent(type, {clientX: x, clientY: y, button: button || 0,
                                               buttons: type === 'mousedown' ? 1 << (button || 0) : 0,
                                               bubbles: type !== 'mouseleave', cancelable: true, view: window}));
  }
  function click(x, y, button) {
    mouse('mousemove', x, y);
    mouse('mousedown', x, y, button);
    mouse('mouseup', x, y, button);
  }
  var finger = null;  // {id, x, y, startX, startY, moved, second, long, timer}
  var kLongPressMs = 500, kDragPx = 10;
  function find(list, id) {
    for (var i = 0; i < list.length; ++i) if (list[i].identifier === id) return list[i];
    return null;
  }
  function onStart(e) {
    if (!finger) {
      var t = e.changedTouches[0];
      finger = {id: t.identifier, x: t.clientX, y: t.clientY, startX: t.clientX, startY: t.clientY,
                moved: false, second: false, long: false, timer: 0};
      var f = finger;
      f.timer = setTimeout(function () {
        if (finger !== f || f.moved || f.second) return;
        f.long = true;
        click(f.x, f.y, 2);
      }, kLongPressMs);
    } else if (!finger.moved && !finger.long) {
      finger.second = true;
      clearTimeout(finger.timer);
    }
  }
  function onMove(e) {
    var t = finger && find(e.changedTouches, finger.id);
    if (!t) return;
    finger.x = t.clientX;
    finger.y = t.clientY;
    if (!finger.moved && Math.hypot(finger.x - finger.startX, finger.y - finger.startY) > kDragPx && !finger.second) {
      finger.moved = true;
      clearTimeout(finger.timer);
    }
    if (finger.moved) mouse('mousemove', finger.x, finger.y);
  }
  function onEnd(e) {
    var t = finger && find(e.changedTouches, finger.id);
    if (!t) return;
    var f = finger;
    finger = null;
    clearTimeout(f.timer);
    if (e.type === 'touchend') {
      if (f.second) click(f.x, f.y, 2);
      else if (!f.moved && !f.long) {
        click(f.x, f.y, 0);
        if (inNameBox(f.x, f.y)) openKeyboard();
      }
    }
    // The next finger comes down anywhere: the game lines its cursor up
    // afresh, as for a mouse coming into the picture.
    mouse('mouseleave', f.x, f.y);
    resumeSound();
    if (Module.askFullScreenNow && !asked) { asked = true; Module.askFullScreenNow(); }
  }
  var asked = false;
  function resumeSound() {
    var audio = Module.SDL2 && Module.SDL2.audioContext;
    if (audio && audio.state === 'suspended') audio.resume().catch(function () {});
  }
  var handlers = {touchstart: onStart, touchmove: onMove, touchend: onEnd, touchcancel: onEnd};
  Object.keys(handlers).forEach(function (type) {
    // Ahead of SDL's own touch handling, which would make a second mouse of it.
    window.addEventListener(type, function (e) {
      if (e.target !== canvas) return;
      if (e.cancelable) e.preventDefault();
      e.stopPropagation();
      handlers[type](e);
    }, {capture: true, passive: false});
  });
  // No callout, menu or selection on a long press anywhere on the page.
  window.addEventListener('contextmenu', function (e) { e.preventDefault(); }, true);
})();
