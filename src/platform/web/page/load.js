// Fetches what the game needs before it starts and puts it where the game
// looks: the data package (deflated whole, pack_data.py), the sounds
// (pack_sounds.py) as the game's own WAV files, and the program, all at
// once. app.js says when to start: at once, or on a first visit once the
// service worker keeps the site, so nothing is downloaded twice.
(function () {
  'use strict';
  var bar = document.getElementById('progress-bar');
  var counted = {done: 0, total: 0};
  function count(done, total) {
    counted.done += done;
    counted.total += total;
    if (counted.total > 0) bar.style.width = Math.min(100, 100 * counted.done / counted.total) + '%';
  }

  // The response's body, counted into the progress bar as it arrives.
  function fetchCounted(url, size) {
    return fetch(url).then(function (response) {
      if (!response.ok) throw new Error(url + ': ' + response.status + ' ' + response.statusText);
      count(0, size || Number(response.headers.get('Content-Length')) || 0);
      return response.body.pipeThrough(new TransformStream({
        transform: function (chunk, next) { count(chunk.length, 0); next.enqueue(chunk); }
      }));
    });
  }
  function inflated(url, size) {
    return fetchCounted(url, size).then(function (body) {
      return new Response(body.pipeThrough(new DecompressionStream('deflate'))).arrayBuffer();
    });
  }

  // A lossless sound: each sample was written as its difference from what
  // the two before it predict; undone here, it is the game's file byte for byte.
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
  function lossless(entry) {
    return kept('lossless/' + entry.sha256, function () {
      return inflated('sounds/' + entry.name + '.z', entry.bytes).then(function (buffer) {
        return unpredict(new Uint8Array(buffer), entry.start, entry.length).buffer;
      });
    }).then(function (buffer) { return new Uint8Array(buffer); });
  }

  function bytes(base64) { return Uint8Array.from(atob(base64), function (c) { return c.charCodeAt(0); }); }
  // A Vorbis sound, decoded by the browser at its own rate (a context at
  // another rate would resample it) into 16-bit samples between the
  // original file's own first and last bytes.
  function decoded(entry) {
    var format = entry.vorbis, frames = entry.length / 2 / format.channels;
    return fetchCounted('sounds/' + entry.name + '.ogg', format.bytes).then(function (body) {
      return new Response(body).arrayBuffer();
    }).then(function (ogg) {
      return new OfflineAudioContext(format.channels, frames, format.rate).decodeAudioData(ogg);
    }).then(function (audio) {
      var head = bytes(format.head), tail = bytes(format.tail);
      var file = new Uint8Array(head.length + entry.length + tail.length);
      file.set(head);
      file.set(tail, head.length + entry.length);
      var samples = new DataView(file.buffer, head.length, entry.length);
      for (var c = 0; c < format.channels; ++c) {
        var channel = audio.getChannelData(c);
        for (var i = 0, n = Math.min(frames, channel.length); i < n; ++i) {
          var s = Math.round(channel[i] * 32768);
          samples.setInt16(2 * (i * format.channels + c), s > 32767 ? 32767 : s < -32768 ? -32768 : s, true);
        }
      }
      return file.buffer;
    });
  }

  // Decoding the music takes the browser about a second of work and
  // inflating the package a third of one, so whatever the page makes of the
  // files it fetched is kept (under the hash of the file it came from, so a
  // release with other files makes it again) and the next visit reads it
  // back instead, without asking the service worker for the files.
  var keptCache = window.caches ? caches.open('brindlecog-decoded').catch(function () { return null; })
                                : Promise.resolve(null);
  function kept(key, make) {
    return keptCache.then(function (cache) {
      var made = function () {
        return make().then(function (buffer) {
          // The response copies the bytes, so the game may have the buffer.
          if (cache) cache.put(key, new Response(buffer)).catch(function () {});
          return buffer;
        });
      };
      if (!cache) return made();
      return cache.match(key).then(function (response) {
        // Read as a blob, a kept body comes in one piece, in about half the
        // time its stream takes.
        return response && response.blob().then(function (blob) { return blob.arrayBuffer(); });
      }).catch(function () { return null; }).then(function (buffer) { return buffer || made(); });
    });
  }
  // Only what this release's files make stays.
  function keepOnly(keys) {
    keptCache.then(function (cache) {
      if (cache) return cache.keys().then(function (requests) {
        requests.forEach(function (request) {
          if (!keys.some(function (key) { return request.url.endsWith('/' + key); })) cache.delete(request);
        });
      });
    }).catch(function () {});
  }

  // A browser that cannot decode Vorbis (or decodes it wrongly) gets the
  // lossless file: it plays the same, only the download is larger.
  function sound(entry) {
    var vorbis = entry.vorbis && typeof OfflineAudioContext !== 'undefined'
      ? kept('decoded/' + entry.vorbis.sha256, function () { return decoded(entry); }) : Promise.reject();
    return vorbis.then(function (file) { return new Uint8Array(file); }).catch(function (error) {
      if (error) console.warn('Brindlecog: ' + entry.name + ' is loaded losslessly: ' + error);
      return lossless(entry);
    }).then(function (file) { return {name: '/game/SysData/' + entry.name, file: file}; });
  }

  function script(src) {
    return new Promise(function (resolve, reject) {
      var element = document.createElement('script');
      element.src = src;
      element.onload = resolve;
      element.onerror = function () { reject(new Error(src + ' could not be loaded')); };
      document.body.appendChild(element);
    });
  }

  function listed(url) {
    return fetch(url).then(function (response) {
      if (!response.ok) throw new Error(url + ': ' + response.status + ' ' + response.statusText);
      return response.json();
    });
  }

  var started = false;
  window.Brindlecog = window.Brindlecog || {};
  window.Brindlecog.start = function () {
    if (started) return;
    started = true;
    var Module = window.Module;
    var failed = function (error) {
      Module.showGameError('Brindlecog could not load its files', String(error && error.message || error));
    };
    // The program downloads beside the files and is compiled as it arrives,
    // while its script still loads.
    var wasm = fetch('brindlecog.wasm').then(function (response) {
      if (!response.ok) throw new Error('brindlecog.wasm: ' + response.status + ' ' + response.statusText);
      return WebAssembly.compileStreaming(response.clone()).catch(function () {
        // A host that serves it under another type than application/wasm.
        return response.arrayBuffer().then(function (code) { return WebAssembly.compile(code); });
      });
    });
    wasm.catch(function () {});  // reported once the script asks for it
    Module.instantiateWasm = function (imports, ready) {
      wasm.then(function (module) {
        return WebAssembly.instantiate(module, imports).then(function (instance) { return [instance, module]; });
      }).then(function (made) { ready(made[0], made[1]); }, failed);
      return {};
    };
    var dataList = listed('brindlecog.data.json');
    var data = dataList.then(function (list) {
      return kept('inflated/' + list.sha256, function () { return inflated('brindlecog.data.z', list.bytes); })
        .then(function (buffer) {
          var bytes = new Uint8Array(buffer);
          return list.files.map(function (f) { return {name: f.name, file: bytes.subarray(f.start, f.end)}; });
        });
    });
    var soundList = listed('sounds/sounds.json');
    var sounds = soundList.then(function (list) { return Promise.all(list.map(sound)); });
    Promise.all([dataList, soundList]).then(function (lists) {
      var keys = ['inflated/' + lists[0].sha256];
      lists[1].forEach(function (e) {
        keys.push('lossless/' + e.sha256);
        if (e.vorbis) keys.push('decoded/' + e.vorbis.sha256);
      });
      keepOnly(keys);
    }, function () {});
    var files = Promise.all([data, sounds]);
    files.catch(failed);
    // The game starts once its folder holds every file. Each file is the
    // buffer it came in, not a copy.
    Module.preRun = Module.preRun || [];
    Module.preRun.push(function () {
      addRunDependency('game-files');
      files.then(function (got) {
        got[0].concat(got[1]).forEach(function (entry) {
          FS.mkdirTree(entry.name.slice(0, entry.name.lastIndexOf('/')));
          FS.createDataFile(entry.name, null, entry.file, true, true, true);
        });
        removeRunDependency('game-files');
      }, function () {});
    });
    script('brindlecog.js').catch(failed);
  };
})();
