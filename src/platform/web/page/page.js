// The page around the game: scales the picture, shows the loading progress,
// and shows what the game tells the player outside its picture (an error, its end).
(function () {
  'use strict';
  var canvas = document.getElementById('canvas');
  var loading = document.getElementById('loading');
  var bar = document.getElementById('progress-bar');

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

  // The bar adds up the data package and the sounds.
  var loaded = {data: 0, dataTotal: 0, sounds: 0, soundsTotal: 0};
  function progress() {
    var total = loaded.dataTotal + loaded.soundsTotal;
    if (total > 0) bar.style.width = (100 * (loaded.data + loaded.sounds) / total) + '%';
  }

  // The sounds come packed (pack_sounds.py): deflated, with each sample
  // written as its difference from what the two before it predict. Inflated
  // as they arrive and undone here, they are the game's own files again,
  // byte for byte.
  function unpredict(file, start, length) {
    var half = length >> 1, before = 0, before2 = 0;
    var residuals = file.slice(start, start + length);
    for (var k = 0; k < half; ++k) {
      var sample = ((residuals[k] | residuals[half + k] << 8) + 2 * before - before2) << 16 >> 16;
      file[start + 2 * k] = sample & 0xFF;
      file[start + 2 * k + 1] = (sample >> 8) & 0xFF;
      before2 = before;
      before = sample;
    }
    return file;
  }
  function fetchSound(entry) {
    return fetch('sounds/' + entry.name + '.z').then(function (response) {
      if (!response.ok) throw new Error(entry.name + ': ' + response.status + ' ' + response.statusText);
      var counted = response.body.pipeThrough(new TransformStream({
        transform: function (chunk, next) { loaded.sounds += chunk.length; progress(); next.enqueue(chunk); }
      }));
      return new Response(counted.pipeThrough(new DecompressionStream('deflate'))).arrayBuffer();
    }).then(function (buffer) {
      return {name: entry.name, file: unpredict(new Uint8Array(buffer), entry.start, entry.length)};
    });
  }
  // Started at once, beside the data package; the game waits for them.
  var sounds = fetch('sounds/sounds.json').then(function (response) { return response.json(); })
    .then(function (list) {
      list.forEach(function (entry) { loaded.soundsTotal += entry.bytes; });
      return Promise.all(list.map(fetchSound));
    });

  window.Module = {
    canvas: canvas,
    preRun: [function () {
      addRunDependency('sounds');
      sounds.then(function (files) {
        FS.mkdirTree('/game/SysData');
        files.forEach(function (sound) { FS.writeFile('/game/SysData/' + sound.name, sound.file); });
        removeRunDependency('sounds');
      }, function (error) {
        notice('Brindlecog could not load its sounds', String(error));
      });
    }],
    // The loader reports "Downloading data... (done/total)".
    setStatus: function (text) {
      var m = /\((\d+(?:\.\d+)?)\/(\d+(?:\.\d+)?)\)/.exec(text || '');
      if (m) { loaded.data = Number(m[1]); loaded.dataTotal = Number(m[2]); progress(); }
    },
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
