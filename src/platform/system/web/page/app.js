// The page as an app: a service worker (sw.js) keeps the whole site, so a
// second visit starts from it at once and play goes on without a network; a
// new release is offered, never forced; and a game that has ended can be
// played again without a reload.
(function () {
  'use strict';
  var workers = navigator.serviceWorker;
  var bar = document.getElementById('progress-bar');
  var start = function () { window.Brindlecog.start(); };

  // The player decides when a new release takes over: a reload would end a
  // running shift.
  var takingOver = false;
  function offerUpdate(registration) {
    if (!registration.waiting || !workers.controller || document.getElementById('update')) return;
    var banner = document.createElement('div');
    banner.id = 'update';
    banner.setAttribute('role', 'status');
    var text = document.createElement('span');
    text.textContent = 'A new version is ready \u2014 reload to play it';
    var reload = document.createElement('button');
    reload.textContent = 'Reload';
    reload.onclick = function () {
      takingOver = true;
      reload.disabled = true;
      if (registration.waiting) registration.waiting.postMessage('take-over');
      else location.reload();
    };
    var later = document.createElement('button');
    later.textContent = 'Later';
    later.onclick = function () { banner.remove(); document.getElementById('canvas').focus(); };
    banner.append(text, reload, later);
    document.body.appendChild(banner);
  }

  function watchForUpdates(registration) {
    offerUpdate(registration);
    registration.addEventListener('updatefound', function () {
      var incoming = registration.installing;
      incoming.addEventListener('statechange', function () {
        if (incoming.state === 'installed') offerUpdate(registration);
      });
    });
    // A game left open for days still hears of a new release.
    setInterval(function () { registration.update().catch(function () {}); }, 3600 * 1000);
  }

  if (!workers || !window.caches) {
    // No service worker (a plain-HTTP host other than this machine, or a
    // private window that refuses one): the page still plays, online.
    start();
  } else {
    var controlled = Boolean(workers.controller);
    if (controlled) start();
    workers.addEventListener('controllerchange', function () {
      if (takingOver) location.reload();
      else if (!controlled) { controlled = true; start(); }
    });
    // On a first visit the worker fetches the site (its bar is the page's);
    // the game then loads from the worker's cache.
    workers.addEventListener('message', function (event) {
      var m = event.data || {};
      if (m.brindlecog === 'installing' && !controlled) bar.style.width = (100 * m.done / m.total) + '%';
    });
    workers.register('sw.js').then(function (registration) {
      if (!controlled) {
        var installing = registration.installing || registration.waiting;
        // Active but not in charge: the browser bypassed it (a forced reload).
        if (registration.active || !installing) start();
        else installing.addEventListener('statechange', function () { if (installing.state === 'redundant') start(); });
      }
      watchForUpdates(registration);
    }, function (error) {
      console.warn('Brindlecog: no offline play: ' + error);
      start();
    });
    // Ask the browser to keep the site and the player's files when space runs short.
    if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(function () {});
  }

  // "Quit Game" or Escape in the menu ended the game: it can start again
  // in the same page, with the settings it has just written.
  var ended = window.Module.gameEnded;
  window.Module.gameEnded = function () {
    ended.apply(this, arguments);
    document.getElementById('notice-text').textContent = 'Thanks for playing.';
    if (document.getElementById('play-again')) return;
    var again = document.createElement('button');
    again.id = 'play-again';
    again.textContent = 'Play again';
    again.onclick = function () {
      again.remove();
      document.getElementById('notice').hidden = true;
      var canvas = document.getElementById('canvas');
      canvas.hidden = false;
      canvas.focus();
      window.Module.callMain([]);
    };
    document.getElementById('notice').appendChild(again);
    again.focus();
  };
})();
