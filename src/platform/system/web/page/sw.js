// Keeps the whole site in the browser, so the game starts at once and plays
// without a network. Each release of the site is one cache, named after its
// version: it is filled completely, every file checked against the release's
// list, before it serves anything, and it replaces the old cache as a whole,
// so a page never mixes files of two releases. A new release waits until the
// player reloads from the page's notice (app.js): a running shift is never cut.
// The player's settings and scores live in IndexedDB, which this never touches.
'use strict';

// The build writes the release into the next line (stamp_site.py): its
// version, and the SHA-256 of every file, those fetched on install ("files")
// and those kept only once a page asks for them ("later": the icons, and
// sounds for browsers that cannot decode the compressed ones).
const SITE = /*SITE*/null;
const CACHE = 'brindlecog-' + SITE.version;
const base = new URL('./', self.location).href;

function hex(buffer) {
  return Array.from(new Uint8Array(buffer), b => b.toString(16).padStart(2, '0')).join('');
}

// A response whose bytes are the listed ones, else an error: a host halfway
// through an upload may serve files of two releases.
async function checked(name, response) {
  if (!response.ok) throw new Error(`${name}: ${response.status} ${response.statusText}`);
  const body = await response.arrayBuffer();
  const expected = SITE.files[name] || SITE.later[name];
  if (hex(await crypto.subtle.digest('SHA-256', body)) !== expected) throw new Error(`${name} is not this release's`);
  return new Response(body, {status: 200, headers: response.headers});
}

async function tellPages(message) {
  for (const page of await self.clients.matchAll({type: 'window', includeUncontrolled: true})) page.postMessage(message);
}

// Fetches every file past the browser's own cache, counting bytes for the
// first visit's progress bar.
async function install() {
  const names = Object.keys(SITE.files);
  const cache = await caches.open(CACHE);
  let done = 0;
  await Promise.all(names.map(async name => {
    const response = await checked(name, await fetch(base + name, {cache: 'no-store'}));
    await cache.put(base + name, response);
    done += 1;
    tellPages({brindlecog: 'installing', done, total: names.length});
  }));
}

self.addEventListener('install', event => {
  event.waitUntil(install().catch(async error => {
    await caches.delete(CACHE);
    throw error;
  }));
});

// Only the page's message makes a waiting release take over (app.js).
self.addEventListener('message', event => {
  if (event.data === 'take-over') self.skipWaiting();
});

self.addEventListener('activate', event => {
  event.waitUntil((async () => {
    for (const name of await caches.keys())
      if (/^brindlecog-[0-9a-f]{16}$/.test(name) && name !== CACHE) await caches.delete(name);
    await self.clients.claim();
  })());
});

// The site's address with or without index.html is the page; any query is
// ignored, as a static host would.
function siteName(url) {
  if (!url.href.startsWith(base)) return null;
  const name = decodeURIComponent(url.pathname.slice(new URL(base).pathname.length));
  return name === '' ? 'index.html' : name;
}

async function answer(request, name) {
  const cache = await caches.open(CACHE);
  const kept = await cache.match(base + name);
  if (kept) return kept;
  const response = await fetch(request);
  if (name in SITE.later) {
    try {
      await cache.put(base + name, await checked(name, response.clone()));
    } catch (error) {
      console.warn('Brindlecog: not kept: ' + error.message);
    }
  }
  return response;
}

self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET') return;
  const name = siteName(new URL(event.request.url));
  if (name === null || !(name in SITE.files || name in SITE.later)) return;
  event.respondWith(answer(event.request, name));
});
