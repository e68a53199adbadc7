// The page as an app, in headless Chromium: what a first visit downloads,
// the install check, the sounds against the desktop's files, a second visit
// from the service worker's cache with the game's folder as the first one
// made it, play without a network, a new release offered and taken (only
// its changed package made again), "Play again", and the lossless sounds
// for a browser without Vorbis. Prints the byte table and the times; saves
// screenshots.
//   node app_test.mjs SITE_DIR NEXT_RELEASE_SITE_DIR GAME_DIR SHOTS_DIR
import crypto from 'node:crypto';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import puppeteer from 'puppeteer-core';

const [site, nextSite, gameDir, shots] = process.argv.slice(2);
fs.mkdirSync(shots, {recursive: true});
const failures = [];
const check = (ok, what) => { console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`); if (!ok) failures.push(what); };
const sleep = ms => new Promise(r => setTimeout(r, ms));

// A plain static host: no compression, bytes counted file by file, and a
// root that a new release replaces.
function serve(root) {
  const types = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
                 '.png': 'image/png', '.json': 'application/json', '.webmanifest': 'application/manifest+json'};
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname.replace(/\/$/, '/index.html'));
    fs.readFile(path.join(server.root, name), (error, body) => {
      if (error) { res.writeHead(404); res.end(); return; }
      server.bytes += body.length;
      server.files[name] = (server.files[name] || 0) + body.length;
      res.writeHead(200, {'Content-Type': types[path.extname(name)] || 'application/octet-stream',
                          'Content-Length': body.length, 'Cache-Control': 'no-cache'});
      res.end(body);
    });
  });
  Object.assign(server, {root, bytes: 0, files: {}});
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'brindlecog-app-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--autoplay-policy=user-gesture-required', '--window-size=960,680'],
  defaultViewport: {width: 960, height: 680}});
const server = await serve(site);
const address = `http://127.0.0.1:${server.address().port}/`;

async function newPage(context = browser) {
  const page = await context.newPage();
  page.errors = [];
  page.on('console', m => { if (m.type() === 'error') page.errors.push(m.text()); });
  page.on('pageerror', e => page.errors.push(String(e)));
  return page;
}
// The title is up once the canvas holds many colours.
const waitForPicture = page => page.waitForFunction(() => {
  const c = document.getElementById('canvas');
  const ctx = c.getContext('2d');
  if (!ctx || c.hidden) return false;
  const d = ctx.getImageData(0, 0, c.width, c.height).data;
  const seen = new Set();
  for (let i = 0; i < d.length; i += 4 * 997) seen.add(d[i] << 16 | d[i + 1] << 8 | d[i + 2]);
  return seen.size > 20;
}, {polling: 20, timeout: 30000});
async function click(page, x, y) {
  const box = await page.evaluate(() => { const b = document.getElementById('canvas').getBoundingClientRect();
                                          return [b.left, b.top, b.width / 800]; });
  await page.mouse.move(box[0] - 20, box[1] - 20);
  await sleep(50);
  await page.mouse.move(box[0] + x * box[2], box[1] + y * box[2], {steps: 8});
  await sleep(100);
  await page.mouse.down();
  await sleep(60);
  await page.mouse.up();
  await sleep(300);
}
const playerFile = (page, name) => page.evaluate(n => {
  try { return new TextDecoder('latin1').decode(FS.readFile('/home/web_user/.config/brindlecog/' + n)); }
  catch (e) { return ''; }
}, name);
const pictureHash = page => page.evaluate(() => {
  const c = document.getElementById('canvas');
  return Array.from(c.getContext('2d').getImageData(0, 0, c.width, c.height).data)
    .reduce((h, b) => Math.imul(h ^ b, 16777619) >>> 0, 2166136261);
});
const shot = (page, name) => page.screenshot({path: path.join(shots, name)});
// Every file of the game's folder in the page, by its SHA-256.
const gameFiles = page => page.evaluate(async () => {
  const files = {};
  const walk = async folder => {
    for (const name of FS.readdir(folder).filter(n => n !== '.' && n !== '..')) {
      const file = folder + '/' + name;
      if (FS.isDir(FS.stat(file).mode)) await walk(file);
      else files[file] = Array.from(new Uint8Array(await crypto.subtle.digest('SHA-256', FS.readFile(file))),
                                    b => b.toString(16).padStart(2, '0')).join('');
    }
  };
  await walk('/game');
  return files;
});

// The files a site's data package holds, by SHA-256.
function packagedFiles(siteDir) {
  const list = JSON.parse(fs.readFileSync(path.join(siteDir, 'brindlecog.data.json'), 'utf8'));
  const bytes = zlib.inflateSync(fs.readFileSync(path.join(siteDir, 'brindlecog.data.z')));
  return Object.fromEntries(list.files.map(f => [f.name, crypto.createHash('sha256')
                                                           .update(bytes.subarray(f.start, f.end)).digest('hex')]));
}

// The samples of a sound file (after the 101-byte prefix, a plain RIFF/WAVE).
function wave(bytes) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  for (let at = bytes.indexOf(0x52) ; at >= 0; at = bytes.indexOf(0x52, at + 1)) {
    if (String.fromCharCode(...bytes.subarray(at, at + 4)) !== 'RIFF') continue;
    for (let chunk = at + 12; chunk + 8 <= bytes.length; chunk += 8 + view.getUint32(chunk + 4, true)) {
      if (String.fromCharCode(...bytes.subarray(chunk, chunk + 4)) === 'data')
        return {start: chunk + 8, samples: new Int16Array(bytes.slice(chunk + 8, chunk + 8 + view.getUint32(chunk + 4, true)).buffer)};
    }
  }
  return null;
}
// Each sound in the page against the desktop's file: the same bytes around
// the samples, and the samples at least 30 dB above their difference.
async function soundsMatch(page, {exact}) {
  const names = fs.readdirSync(path.join(gameDir, 'SysData')).filter(n => /^DatSnd.*\.dat$/.test(n)).sort();
  const inPage = await page.evaluate(list => list.map(n => Array.from(FS.readFile('/game/SysData/' + n))), names);
  let worst = Infinity;
  const lines = names.map((name, i) => {
    const want = new Uint8Array(fs.readFileSync(path.join(gameDir, 'SysData', name)));
    const got = Uint8Array.from(inPage[i]);
    if (want.length === got.length && want.every((b, k) => b === got[k])) return `${name} identical`;
    const a = wave(want), b = wave(got);
    const same = a && b && a.start === b.start && want.length === got.length &&
                 want.subarray(0, a.start).every((x, k) => x === got[k]);
    let signal = 0, noise = 0;
    if (same) for (let k = 0; k < a.samples.length; ++k) { signal += a.samples[k] ** 2; noise += (a.samples[k] - b.samples[k]) ** 2; }
    const snr = same ? 10 * Math.log10(signal / Math.max(noise, 1)) : -Infinity;
    worst = Math.min(worst, snr);
    return `${name} ${snr.toFixed(1)} dB`;
  });
  console.log('web: sounds against the desktop\'s: ' + lines.join(', '));
  return names.length === 11 && (exact ? worst === Infinity : worst >= 30);
}

let firstVisitFiles;
{
  // The first visit: the service worker fetches the site once, the game
  // loads from its cache.
  const page = await newPage();
  const started = Date.now();
  await page.goto(address);
  await waitForPicture(page);
  const firstMs = Date.now() - started;
  const bytes = server.bytes;
  console.log(`web: first visit: the title after ${firstMs} ms, ${(bytes / 1e6).toFixed(2)} MB downloaded:`);
  for (const [name, size] of Object.entries(server.files).sort((a, b) => b[1] - a[1]))
    console.log(`       ${String(size).padStart(9)}  ${name}`);
  check(bytes <= 8e6, 'a first visit downloads at most 8 MB before the title shows');
  check(await page.evaluate(() => Boolean(navigator.serviceWorker.controller)), 'the service worker keeps the page');
  check(await soundsMatch(page, {exact: false}), 'every sound within 30 dB of the desktop\'s file (effects identical)');
  firstVisitFiles = await gameFiles(page);

  const cdp = await page.target().createCDPSession();
  const manifest = await cdp.send('Page.getAppManifest');
  const installable = await cdp.send('Page.getInstallabilityErrors');
  check(manifest.errors.length === 0 && /"fullscreen"/.test(manifest.data || ''),
        'the manifest parses without errors: ' + JSON.stringify(manifest.errors));
  check(installable.installabilityErrors.length === 0,
        'Chromium finds the page installable: ' + JSON.stringify(installable.installabilityErrors));
  check(page.errors.length === 0, 'no page errors on a first visit: ' + page.errors.join(' | '));
  await page.close();

  // The icons an install prompt shows, on the page's own background.
  const icons = await newPage();
  await icons.setViewport({width: 760, height: 560});
  await icons.setContent(`<body style="margin:0;background:#000;display:flex;gap:24px;padding:24px;align-items:start">
    <img src="${address}icons/icon-192.png"><img src="${address}icons/icon-512.png">
    <img src="${address}icons/maskable-192.png" style="border-radius:50%"></body>`, {waitUntil: 'load'});
  await shot(icons, 'app-icons.png');
  await icons.close();
}
{
  // The second visit starts from the cache, with the game's folder as the
  // first visit made it: nothing is inflated or decoded again.
  const page = await newPage();
  const asked = [];
  page.on('request', request => asked.push(new URL(request.url()).pathname));
  const before = server.bytes;
  const started = Date.now();
  await page.goto(address);
  await waitForPicture(page);
  const secondMs = Date.now() - started;
  await shot(page, 'second-visit-title.png');
  console.log(`web: second visit: the title after ${secondMs} ms, ${server.bytes - before} bytes from the network`);
  // The aim is 0.8 s on this machine (the figure above is the measurement);
  // the time check leaves room for a busy machine, the files' check does not.
  check(secondMs <= 2000, 'a second visit shows the title within 2 s');
  const remade = asked.filter(name => /\.(z|ogg)$/.test(name));
  check(remade.length === 0, 'a second visit makes none of the game\'s files again: ' + remade.join(' '));
  const files = await gameFiles(page);
  const differ = Object.keys({...files, ...firstVisitFiles}).filter(name => files[name] !== firstVisitFiles[name]);
  check(Object.keys(files).length > 50 && differ.length === 0,
        `a second visit's game folder is the first visit's (${Object.keys(files).length} files): ${differ.join(' ')}`);
  check(page.errors.length === 0, 'no page errors on a second visit: ' + page.errors.join(' | '));
  await page.close();
}
{
  // Without a network: a reload shows the title, the menu, a shift, and a
  // setting is saved.
  const page = await newPage();
  await page.goto(address);
  await waitForPicture(page);
  await page.setOfflineMode(true);
  await page.reload();
  await waitForPicture(page);
  await click(page, 400, 300);
  await shot(page, 'offline-menu.png');
  await click(page, 400, 245);  // Options: music off, back to the menu
  await click(page, 400, 195);
  await click(page, 400, 295);
  check(/MusicOn=0/.test(await playerFile(page, 'Brindlecog.ini')), 'offline, leaving Options saves the setting');
  await click(page, 400, 145);  // Play Game: the level card, then the floor
  await sleep(2500);
  await click(page, 400, 300);
  await sleep(1000);
  const floor = await pictureHash(page);
  for (let i = 0; i < 4; ++i) {
    await click(page, 360, 230);
    await sleep(1000);
    for (let x = 640; x >= 300; x -= 85) await click(page, x, 330);
  }
  await shot(page, 'offline-shift.png');
  check(await pictureHash(page) !== floor && page.errors.length === 0,
        'offline, a shift plays: ' + page.errors.join(' | '));
  await page.setOfflineMode(false);
  await page.close();
}
{
  // A new release on the host: the running page offers it and does not
  // reload by itself; a tap on the phone's screen takes it, with the settings.
  // Only its data package differs: that alone is made again.
  server.root = nextSite;
  const page = await newPage();
  await page.setViewport({width: 915, height: 412, isMobile: true, hasTouch: true, isLandscape: true});
  await page.goto(address);
  await waitForPicture(page);
  await page.evaluate(() => { window.stillTheSamePage = true; });
  await page.waitForSelector('#update', {visible: true, timeout: 30000}).catch(() => {});
  await sleep(1000);
  await shot(page, 'update-notice.png');
  const offered = await page.evaluate(() => window.stillTheSamePage && document.getElementById('update') &&
                                            document.getElementById('update').textContent);
  check(/new version is ready/.test(offered || ''), 'a new release is offered, the page left as it was: ' + offered);
  const reload = await page.$('#update button');
  const box = reload && await reload.boundingBox();
  const asked = [];
  page.on('request', request => asked.push(new URL(request.url()).pathname));
  if (box) await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
  await page.waitForFunction(() => !window.stillTheSamePage, {timeout: 15000}).catch(() => {});
  await waitForPicture(page);
  const release = await page.evaluate(() => document.querySelector('meta[name="brindlecog-release"]')?.content);
  check(release === '2', 'after the reload the page runs the new release');
  const made = asked.filter(name => /\.(z|ogg)$/.test(name));
  const files = await gameFiles(page), packaged = packagedFiles(nextSite);
  const stale = Object.keys(packaged).filter(name => files[name] !== packaged[name]);
  check(made.join() === '/brindlecog.data.z' && stale.length === 0,
        `the new release's package is inflated again, its sounds kept: made ${made.join(' ')}; not the new files: ${stale.join(' ')}`);
  check(/MusicOn=0/.test(await playerFile(page, 'Brindlecog.ini')), 'the new release keeps the settings');
  const caches = await page.evaluate(() => caches.keys());
  check(caches.filter(n => /^brindlecog-[0-9a-f]{16}$/.test(n)).length === 1, 'the old release\'s cache is gone: ' + caches);

  // The end, and a new game in the same page.
  await click(page, 400, 300);
  await page.keyboard.press('Escape');
  await page.waitForSelector('#play-again', {visible: true, timeout: 10000}).catch(() => {});
  await shot(page, 'play-again.png');
  // (Leaving the browser's full screen as the game ends raises an error in
  // Emscripten's full-screen code, whatever the page does: counted from here.)
  const errorsAtEnd = page.errors.length;
  if (errorsAtEnd) console.log('web: page errors as the game ended: ' + page.errors.join(' | '));
  const again = await page.$('#play-again');
  const at = again && await again.boundingBox();
  if (at) await page.touchscreen.tap(at.x + at.width / 2, at.y + at.height / 2);
  await waitForPicture(page).catch(() => {});
  await click(page, 400, 300);
  await click(page, 400, 245);
  const options = await pictureHash(page);
  await click(page, 400, 295);
  check(Boolean(at) && (await pictureHash(page)) !== options && page.errors.length === errorsAtEnd,
        '"Play again" starts the game again in the page: ' + page.errors.slice(errorsAtEnd).join(' | '));
  await page.close();
}
{
  // A browser that cannot decode Vorbis gets the lossless sounds.
  const context = await browser.createBrowserContext();
  const page = await newPage(context);
  await page.evaluateOnNewDocument(() => {
    OfflineAudioContext.prototype.decodeAudioData = () => Promise.reject(new Error('no Vorbis here'));
  });
  await page.goto(address);
  await waitForPicture(page);
  check(await soundsMatch(page, {exact: true}), 'without Vorbis the sounds are the desktop\'s, byte for byte');
  await context.close();
}
server.close();
await browser.close();
fs.rmSync(profile, {recursive: true, force: true});
console.log(failures.length ? `web: ${failures.length} app checks failed` : 'web: all app checks passed');
process.exit(failures.length ? 1 : 0);
