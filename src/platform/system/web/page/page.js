// The page around the game: scales the picture and shows what the game
// tells the player outside its picture (an error, its end). load.js fetches
// the game's files, app.js makes the page an app.
(function () {
  'use strict';
  var canvas = document.getElementById('canvas');
  var loading = document.getElementById('loading');

  // The largest whole factor that fits, as on the desktop, also in full
  // screen; a window smaller than the picture shrinks it keeping its shape.
  // A touch screen's layout is touch.js's.
  function fit() {
    if (document.documentElement.classList.contains('touch')) return;
    var ratio = window.devicePixelRatio || 1;
    var w = window.innerWidth * ratio, h = window.innerHeight * ratio;
    var factor = Math.floor(Math.min(w / canvas.width, h / canvas.height));
    var scale = factor >= 1 ? factor : Math.min(w / canvas.width, h / canvas.height);
    canvas.style.width = (canvas.width * scale / ratio) + 'px';
    canvas.style.height = (canvas.height * scale / ratio) + 'px';
  }
  window.addEventListener('resize', fit);
  document.addEventListener('fullscreenchange', function () { setTimeout(fit, 0); });
  fit();

  function notice(title, text) {
    loading.hidden = true;
    document.getElementById('notice-title').textContent = title;
    document.getElementById('notice-text').textContent = text;
    document.getElementById('notice').hidden = false;
  }

  window.Module = {
    canvas: canvas,
    onRuntimeInitialized: function () { loading.hidden = true; canvas.focus(); },
    showGameError: function (title, text) { notice(title, text); },
    gameEnded: function () {
      notice('Brindlecog has ended', 'Reload the page to play again.');
      canvas.hidden = true;
    },
    onAbort: function (what) { notice('Brindlecog stopped', String(what)); },
    print: function (text) { console.log(text); },
    printErr: function (text) { console.warn(text); }
  };
})();
