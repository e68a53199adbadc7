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

  // Decoding the music takes the browser about a second of work and
  // inflating the package a third of one, so the game's folder as the page
  // made it is kept in the browser's cache, in one entry that the next start
  // reads back whole (one read of it takes two thirds of the time of a read
  // per file) before this release's lists are in. Each part is kept under
  // the hash of the file it was made from: a release with other files makes
  // only those again.
  var keptCache = window.caches ? caches.open('brindlecog-made').catch(function () { return null; })
                                : Promise.resolve(null);
  function keptFolder() {
    return keptCache.then(function (cache) { return cache && cache.match('game-folder'); }).then(function (response) {
      if (!response) return {};
      var list = JSON.parse(response.headers.get('Brindlecog-Parts'));
      // Read as a blob, a kept body comes in one piece, in about half the
      // time its stream takes.
      return response.blob().then(function (blob) { return blob.arrayBuffer(); }).then(function (buffer) {
        var parts = {}, at = 0;
        list.forEach(function (part) {
          parts[part[0]] = new Uint8Array(buffer, at, part[1]);
          at += part[1];
        });
        return at === buffer.byteLength ? parts : {};
      });
    }).catch(function () { return {}; });
  }
  function keepFolder(parts) {
    keptCache.then(function (cache) {
      if (!cache) return;
      // Earlier releases kept each decoded sound apart.
      caches.delete('brindlecog-decoded').catch(function () {});
      var list = parts.map(function (part) { return [part.key, part.bytes.length]; });
      var body = new Blob(parts.map(function (part) { return part.bytes; }));
      return cache.put('game-folder', new Response(body, {headers: {'Brindlecog-Parts': JSON.stringify(list)}}));
    }).catch(function () {});
  }
  // The part made from the file with this key: kept, or made now.
  function part(kept, key, make) {
    return kept.then(function (parts) {
      if (parts[key]) return {key: key, bytes: parts[key]};
      return make().then(function (bytes) { return {key: key, bytes: bytes, made: true}; });
    });
  }

  // A browser that cannot decode Vorbis (or decodes it wrongly) gets the
  // lossless file: it plays the same, only the download is larger.
  function sound(kept, entry) {
    var lossy = entry.vorbis && typeof OfflineAudioContext !== 'undefined'
      ? part(kept, 'decoded/' + entry.vorbis.sha256, function () { return decoded(entry); }) : Promise.reject();
    return lossy.catch(function (error) {
      if (error) console.warn('Brindlecog: ' + entry.name + ' is loaded losslessly: ' + error);
      return part(kept, 'lossless/' + entry.sha256, function () { return lossless(entry); });
    }).then(function (made) {
      made.name = '/game/SysData/' + entry.name;
      return made;
    });
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

  function put(path, bytes) {
    FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
    FS.createDataFile(path, null, bytes, true, true, true);
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
    var kept = keptFolder();
    var data = listed('brindlecog.data.json').then(function (list) {
      return part(kept, 'inflated/' + list.sha256, function () {
        return inflated('brindlecog.data.z', list.bytes).then(function (buffer) { return new Uint8Array(buffer); });
      }).then(function (made) {
        made.files = list.files;
        return made;
      });
    });
    var sounds = listed('sounds/sounds.json').then(function (list) {
      return Promise.all(list.map(function (entry) { return sound(kept, entry); }));
    });
    var files = Promise.all([data, sounds, kept]);
    files.catch(failed);
    // The game starts once its folder holds every file. Each file is the
    // buffer it came in, not a copy.
    Module.preRun = Module.preRun || [];
    Module.preRun.push(function () {
      addRunDependency('game-files');
      files.then(function (got) {
        var pack = got[0], parts = [pack].concat(got[1]);
        pack.files.forEach(function (f) { put(f.name, pack.bytes.subarray(f.start, f.end)); });
        got[1].forEach(function (made) { put(made.name, made.bytes); });
        removeRunDependency('game-files');
        // Kept again when anything was made, or parts of another release
        // are left in it.
        if (parts.some(function (p) { return p.made; }) || Object.keys(got[2]).length !== parts.length) keepFolder(parts);
      }, function () {});
    });
    script('brindlecog.js').catch(failed);
  };
})();
