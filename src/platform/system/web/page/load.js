// Fetches what the game needs before it starts and puts it where the game
// looks: the data package (deflated whole, pack_data.py), the sounds
// (pack_sounds.py) as the game's own WAV files, and the program. app.js says
// when to start: at once, or on a first visit once the service worker keeps
// the site, so nothing is downloaded twice.
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
    return inflated('sounds/' + entry.name + '.z', entry.bytes).then(function (buffer) {
      return unpredict(new Uint8Array(buffer), entry.start, entry.length);
    });
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
      return file;
    });
  }
  // Decoding the music takes the browser about a second of work, so what it
  // decoded is kept (under the Vorbis file's hash, so a release with other
  // music decodes again) and the next visit starts without it.
  var decodedCache = window.caches ? caches.open('brindlecog-decoded').catch(function () { return null; })
                                   : Promise.resolve(null);
  function keptOrDecoded(entry) {
    var key = 'decoded/' + entry.vorbis.sha256;
    return decodedCache.then(function (cache) {
      return (cache ? cache.match(key) : Promise.resolve(null)).then(function (kept) {
        if (kept) return kept.arrayBuffer().then(function (file) { return new Uint8Array(file); });
        return decoded(entry).then(function (file) {
          if (cache) cache.put(key, new Response(file)).catch(function () {});
          return file;
        });
      });
    });
  }
  // Only this release's decoded music stays.
  function forgetOtherMusic(list) {
    var keep = list.filter(function (e) { return e.vorbis; }).map(function (e) { return 'decoded/' + e.vorbis.sha256; });
    decodedCache.then(function (cache) {
      if (cache) cache.keys().then(function (requests) {
        requests.forEach(function (request) {
          if (!keep.some(function (key) { return request.url.endsWith(key); })) cache.delete(request);
        });
      });
    }).catch(function () {});
  }

  // A browser that cannot decode Vorbis (or decodes it wrongly) gets the
  // lossless file: it plays the same, only the download is larger.
  function sound(entry) {
    var vorbis = entry.vorbis && typeof OfflineAudioContext !== 'undefined' ? keptOrDecoded(entry) : Promise.reject();
    return vorbis.catch(function (error) {
      if (error) console.warn('Brindlecog: ' + entry.name + ' is loaded losslessly: ' + error);
      return lossless(entry);
    }).then(function (file) { return {name: entry.name, file: file}; });
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

  var started = false;
  window.Brindlecog = window.Brindlecog || {};
  window.Brindlecog.start = function () {
    if (started) return;
    started = true;
    var Module = window.Module;
    var failed = function (error) {
      Module.showGameError('Brindlecog could not load its files', String(error && error.message || error));
    };
    // The program downloads beside the files; it is compiled as it arrives.
    var wasm = fetch('brindlecog.wasm');
    Module.instantiateWasm = function (imports, ready) {
      var streamed = wasm.then(function (response) {
        if (!response.ok) throw new Error('brindlecog.wasm: ' + response.status + ' ' + response.statusText);
        return WebAssembly.instantiateStreaming(response.clone(), imports).catch(function () {
          // A host that serves it under another type than application/wasm.
          return response.arrayBuffer().then(function (code) { return WebAssembly.instantiate(code, imports); });
        });
      });
      streamed.then(function (result) { ready(result.instance, result.module); }, failed);
      return {};
    };
    var sounds = fetch('sounds/sounds.json').then(function (response) {
      if (!response.ok) throw new Error('sounds/sounds.json: ' + response.status + ' ' + response.statusText);
      return response.json();
    }).then(function (list) {
      forgetOtherMusic(list);
      return Promise.all(list.map(sound));
    });
    Module.preRun = Module.preRun || [];
    Module.preRun.push(function () {
      addRunDependency('sounds');
      sounds.then(function (files) {
        FS.mkdirTree('/game/SysData');
        files.forEach(function (entry) { FS.writeFile('/game/SysData/' + entry.name, entry.file); });
        removeRunDependency('sounds');
      }, failed);
    });
    // The package's loader takes the inflated package instead of fetching it.
    inflated('brindlecog.data.z').then(function (data) {
      Module.getPreloadedPackage = function () { return data; };
      return script('brindlecog-data.js');
    }).then(function () { return script('brindlecog.js'); }).catch(failed);
  };
})();
