// Plays the page as phones and tablets play it, by touch (puppeteer's touch
// emulation): a phone held in landscape, the same phone in portrait, a
// tablet. On each: the layout, the menu walked by taps, a shift played by
// taps with a long press and a two-finger tap, the page's keys. On the phone
// also: turned in the middle of a shift, the frame rate with the processor
// slowed four times, and a name typed on the game-over screen through the
// page's field, saved with the Save key and still there after a reload. Then
// a desktop's click straight after the game moved its cursor, Escape as the
// very first input, and the sound device opened and closed many times.
// Page errors are failures everywhere.
//   node phone_test.mjs SITE_DIR SHOTS_DIR AUDIO_REOPEN_DIR
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const [site, shots, audioSite] = process.argv.slice(2);
fs.mkdirSync(shots, {recursive: true});
const failures = [];
const check = (ok, what) => { console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`); if (!ok) failures.push(what); };
const sleep = ms => new Promise(r => setTimeout(r, ms));

function serve(root) {
  const types = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
                 '.png': 'image/png'};
  const server = http.createServer((req, res) => {
    const file = path.join(root, decodeURIComponent(new URL(req.url, 'http://x').pathname.replace(/\/$/, '/index.html')));
    fs.readFile(file, (error, body) => {
      if (error) { res.writeHead(404); res.end(); return; }
      res.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                          'Cache-Control': 'no-store'});
      res.end(body);
    });
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'brindlecog-phone-'));
const launch = (extra = []) => puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, userDataDir: fs.mkdtempSync(path.join(profile, 'p')),
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', ...extra]});
const browser = await launch(['--autoplay-policy=user-gesture-required']);
const server = await serve(site);
const url = `http://127.0.0.1:${server.address().port}/`;

async function openPage(context, viewport) {
  const page = await context.newPage();
  page.errors = [];
  page.on('console', m => { if (m.type() === 'error') page.errors.push(m.text()); });
  page.on('pageerror', e => page.errors.push(String(e)));
  await page.setViewport(viewport);
  await page.goto(url);
  await waitForPicture(page);
  // Every synthetic mouse event the touch layer hands the game, for the checks.
  await page.evaluate(() => {
    window.mouseSeen = [];
    const c = document.getElementById('canvas');
    for (const type of ['mousedown', 'mousemove']) c.addEventListener(type, e => window.mouseSeen.push([type, e.button]));
  });
  return page;
}
async function waitForPicture(page) {
  await page.waitForFunction(() => {
    const c = document.getElementById('canvas');
    const d = c.getContext('2d') && c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    if (!d) return false;
    const seen = new Set();
    for (let i = 0; i < d.length; i += 4 * 997) seen.add(d[i] << 16 | d[i + 1] << 8 | d[i + 2]);
    return seen.size > 20;
  }, {polling: 50, timeout: 30000});
}
// Picture pixels to the page's CSS pixels (the canvas keeps 800 × 600).
async function at(page, x, y) {
  const r = await page.evaluate(() => { const b = document.getElementById('canvas').getBoundingClientRect();
                                        return [b.left, b.top, b.width / 800]; });
  return [r[0] + x * r[2], r[1] + y * r[2]];
}
async function tap(page, x, y) {
  const [px, py] = await at(page, x, y);
  await page.touchscreen.tap(px, py);
  await sleep(350);
}
async function longPress(page, x, y) {
  const [px, py] = await at(page, x, y);
  await page.touchscreen.touchStart(px, py);
  await sleep(700);
  await page.touchscreen.touchEnd();
  await sleep(300);
}
async function twoFingerTap(page, x, y) {
  const [px, py] = await at(page, x, y);
  const cdp = await page.target().createCDPSession();
  const points = [{x: px, y: py, id: 1}, {x: px + 40, y: py, id: 2}];
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: points.slice(0, 1)});
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: points});
  await sleep(80);
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
  await cdp.detach();
  await sleep(300);
}
async function pressKey(page, key) {
  const box = await page.evaluate(k => {
    const b = document.querySelector(`#touch-keys button[data-key="${k}"]`);
    if (!b || b.hidden) return null;
    const r = b.getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
  }, key);
  if (!box) return false;
  await page.touchscreen.tap(box[0], box[1]);
  await sleep(400);
  return true;
}
// A signature of a part of the picture, to tell screens apart.
const region = (page, x, y, w, h) => page.evaluate((x, y, w, h) => {
  const d = document.getElementById('canvas').getContext('2d').getImageData(x, y, w, h).data;
  let hash = 2166136261;
  for (let i = 0; i < d.length; i += 4) hash = Math.imul(hash ^ (d[i] >> 4 << 8 | d[i + 1] >> 4 << 4 | d[i + 2] >> 4), 16777619) >>> 0;
  return hash;
}, x, y, w, h);
const menuTitle = page => region(page, 260, 45, 280, 50);
// The help sheet's paper (drawn at 140, 2) is white where the floor never is.
const helpShows = page => page.evaluate(() => [[440, 112], [610, 202], [610, 302], [170, 302]].every(([x, y]) => {
  const d = document.getElementById('canvas').getContext('2d').getImageData(x, y, 1, 1).data;
  return d[0] > 235 && d[1] > 235 && d[2] > 230;
}));
const score = page => region(page, 0, 0, 800, 30);
const playerFile = (page, name) => page.evaluate(n => {
  try { return new TextDecoder('latin1').decode(FS.readFile('/home/web_user/.config/brindlecog/' + n)); }
  catch (e) { return ''; }
}, name);
const shot = (page, name) => page.screenshot({path: path.join(shots, name)});
const mouseSeen = page => page.evaluate(() => window.mouseSeen.splice(0));

// A shift by taps: the wheels' pile, then along the line, until a finished
// product scores or the time is up. Returns whether it scored.
async function playByTaps(page, seconds) {
  const before = await score(page);
  const until = Date.now() + seconds * 1000;
  while (Date.now() < until) {
    await tap(page, 360, 230);
    await sleep(900);
    for (let x = 640; x >= 300; x -= 85) await tap(page, x, 330);
    if (await score(page) !== before) return true;
  }
  return false;
}

const devices = [
  {name: 'phone-landscape', viewport: {width: 915, height: 412, deviceScaleFactor: 2.625, isMobile: true, hasTouch: true, isLandscape: true}},
  {name: 'phone-portrait', viewport: {width: 412, height: 915, deviceScaleFactor: 2.625, isMobile: true, hasTouch: true}},
  {name: 'tablet', viewport: {width: 1024, height: 768, deviceScaleFactor: 2, isMobile: true, hasTouch: true, isLandscape: true}},
];
for (const device of devices) {
  const context = await browser.createBrowserContext();
  const page = await openPage(context, device.viewport);
  const phone = device.name === 'phone-landscape';
  const v = device.viewport;
  const layout = await page.evaluate(() => {
    const c = document.getElementById('canvas').getBoundingClientRect();
    const k = document.getElementById('touch-keys');
    const kr = k ? k.getBoundingClientRect() : null;
    return {touch: Module.touchScreen(), w: c.width, h: c.height, left: c.left, top: c.top, right: c.right, bottom: c.bottom,
            keys: kr && {left: kr.left, top: kr.top, right: kr.right, bottom: kr.bottom},
            scrolls: document.documentElement.scrollHeight > innerHeight || document.documentElement.scrollWidth > innerWidth};
  });
  await shot(page, `${device.name}-title.png`);
  const fills = v.width > v.height ? layout.h >= 0.85 * v.height : layout.w >= 0.85 * v.width;
  check(layout.touch && fills && Math.abs(layout.w / layout.h - 4 / 3) < 0.01 && !layout.scrolls,
        `${device.name}: the picture fills the screen in its shape (${layout.w.toFixed(0)} × ${layout.h.toFixed(0)} CSS px)`);
  const k = layout.keys;
  check(k && (k.left >= layout.right || k.top >= layout.bottom) && k.right <= v.width + 0.5 && k.bottom <= v.height + 0.5,
        `${device.name}: the keys stand beside or below the picture, on the screen`);

  // The menu by taps: Options, sound off, back (which writes the settings), Help and back.
  await tap(page, 400, 300);
  const mainTitle = await menuTitle(page);
  await tap(page, 400, 245);
  const optionsTitle = await menuTitle(page);
  await tap(page, 400, 145);
  await shot(page, `${device.name}-options.png`);
  await tap(page, 400, 295);
  check(optionsTitle !== mainTitle && await menuTitle(page) === mainTitle &&
        /SoundOn=0/.test(await playerFile(page, 'Brindlecog.ini')),
        `${device.name}: the menu walked by taps (Options, sound off, back to the menu)`);
  await tap(page, 400, 195);
  await sleep(300);
  await shot(page, `${device.name}-help.png`);
  const helpTitle = await menuTitle(page);
  await tap(page, 400, 555);
  check(helpTitle !== mainTitle && await menuTitle(page) === mainTitle, `${device.name}: Help opened and left by taps`);

  // A shift by taps; on the phone with the processor slowed four times.
  await tap(page, 400, 145);
  await sleep(2500);
  await tap(page, 400, 300);
  await sleep(1500);
  const cdp = await page.target().createCDPSession();
  if (phone) await cdp.send('Emulation.setCPUThrottlingRate', {rate: 4});
  const stats = () => page.evaluate(() => ({frames: Module.refreshes || 0, busy: Module.busyMs || 0, t: performance.now()}));
  const before = await stats();
  const scored = await playByTaps(page, 60);
  const after = await stats();
  const fps = (after.frames - before.frames) / ((after.t - before.t) / 1000);
  console.log(`${device.name}: ${fps.toFixed(1)} frames a second in a busy shift${phone ? ' with the processor slowed 4 times' : ''}, ` +
              `${((after.busy - before.busy) / (after.frames - before.frames)).toFixed(2)} ms of the game's code a frame`);
  if (phone) {
    await cdp.send('Emulation.setCPUThrottlingRate', {rate: 1});
    // The aim is 55 (measured 56.5 on a quiet machine); the check catches a
    // frame that has become much dearer without failing on a busy machine.
    check(fps >= 45, 'at least 45 frames a second with the processor slowed 4 times');
  }
  await cdp.detach();
  await shot(page, `${device.name}-shift.png`);
  check(scored, `${device.name}: a shift played by taps: a pile, the product, a part fitted and points scored`);

  // What the fingers become: a tap presses the left button, a long press and
  // a two-finger tap the right one (he puts back what he carries).
  await mouseSeen(page);
  await tap(page, 360, 230);
  const tapped = (await mouseSeen(page)).filter(e => e[0] === 'mousedown');
  await sleep(600);
  await longPress(page, 560, 450);
  await shot(page, `${device.name}-long-press.png`);
  const long = (await mouseSeen(page)).filter(e => e[0] === 'mousedown');
  await twoFingerTap(page, 560, 450);
  const two = (await mouseSeen(page)).filter(e => e[0] === 'mousedown');
  check(tapped.length === 1 && tapped[0][1] === 0 && long.length === 1 && long[0][1] === 2 &&
        two.length === 1 && two[0][1] === 2,
        `${device.name}: a tap is the left button, a long press and a two-finger tap the right one ` +
        JSON.stringify([tapped, long, two]));

  if (phone) {
    // Turned in the middle of a shift, and back.
    await page.setViewport(devices[1].viewport);
    await sleep(800);
    await shot(page, 'phone-turned.png');
    await page.setViewport(v);
    await sleep(800);
    await tap(page, 360, 230);
    check(page.errors.length === 0, 'the phone turned in the middle of a shift: no page errors');
  }

  // The page's keys: Help shows the help and hides it, Pause stops the
  // line, Back leaves for the menu.
  check(!await helpShows(page) && await pressKey(page, 'F1') && await helpShows(page), `${device.name}: Help shows the help`);
  await shot(page, `${device.name}-help-in-play.png`);
  await pressKey(page, 'F1');
  check(!await helpShows(page), `${device.name}: and Help again hides it`);
  await pressKey(page, 'F2');
  const paused = await region(page, 0, 300, 800, 100);
  await sleep(800);
  check(await region(page, 0, 300, 800, 100) === paused, `${device.name}: Pause stops the line`);
  await shot(page, `${device.name}-paused.png`);
  await pressKey(page, 'F2');
  await pressKey(page, 'Escape');
  await sleep(500);
  check(await menuTitle(page) === mainTitle, `${device.name}: Back leaves the shift for the menu`);
  const saveHidden = await page.evaluate(() => document.querySelector('#touch-keys button[data-key="KeyS"]').hidden);
  check(saveHidden, `${device.name}: no Save key outside the game-over screen`);

  if (phone) {
    // A shift where nothing is done ends the game; the name through the
    // phone's keyboard, then Save.
    await tap(page, 400, 145);
    await sleep(2500);
    await tap(page, 400, 300);
    await page.waitForFunction(() => !document.querySelector('#touch-keys button[data-key="KeyS"]').hidden,
                               {timeout: 240000, polling: 500});
    await sleep(500);
    await tap(page, 300, 180);
    const focused = await page.evaluate(() => document.activeElement && document.activeElement.id);
    check(focused === 'name-field', `a tap on the name box opens the phone's keyboard (focus: ${focused})`);
    await page.keyboard.type('Jo 7');
    await sleep(1200);
    await page.keyboard.press('Enter');
    await sleep(500);
    await shot(page, 'phone-name.png');
    await pressKey(page, 'KeyS');
    await sleep(500);
    await shot(page, 'phone-game-over.png');
    check(/Jo 7/.test(await playerFile(page, 'highscores-brindlecog.hs')), 'the name typed through the page is saved with Save');
    await page.reload();
    await waitForPicture(page);
    check(/Jo 7/.test(await playerFile(page, 'highscores-brindlecog.hs')), 'the record is still there after a reload');
  }
  if (device.name === 'tablet') {
    // Quit Game, in full screen where the browser gave it.
    const fullScreen = await page.evaluate(() => !!document.fullscreenElement);
    await tap(page, 400, 295);
    await sleep(800);
    const ended = await page.evaluate(() => !document.getElementById('notice').hidden &&
                                            document.getElementById('notice').textContent);
    await shot(page, 'tablet-quit.png');
    check(/ended/.test(ended || ''), `tablet: Quit Game by a tap ends the game (full screen before: ${fullScreen})`);
  }
  check(page.errors.length === 0, `${device.name}: no page errors: ${page.errors.join(' | ')}`);
  await context.close();
}

{
  // The desktop: Escape as the very first input, then a click straight after
  // the game put its cursor elsewhere (leaving a shift puts it in the corner)
  // lands under the pointer, which did not move.
  const context = await browser.createBrowserContext();
  const page = await openPage(context, {width: 960, height: 680});
  check(!await page.evaluate(() => Module.touchScreen()), 'a desktop browser is no touch screen');
  await page.keyboard.press('Escape');
  await sleep(800);
  check(page.errors.length === 0, `Escape as the very first input: no page errors: ${page.errors.join(' | ')}`);
  await context.close();
}
{
  const context = await browser.createBrowserContext();
  const page = await openPage(context, {width: 960, height: 680});
  const click = async () => { await page.mouse.down(); await sleep(50); await page.mouse.up(); await sleep(400); };
  const moveTo = async (x, y) => { const [px, py] = await at(page, x, y); await page.mouse.move(px, py, {steps: 8}); };
  await moveTo(400, 300);
  await click();
  const mainTitle = await menuTitle(page);
  await moveTo(400, 145);  // Play Game
  await click();
  await sleep(2500);
  await click();
  await sleep(1000);
  await moveTo(400, 245);  // where Options will be
  await page.keyboard.press('Escape');
  await sleep(500);
  await click();
  await shot(page, 'desktop-click-after-screen-change.png');
  check(await menuTitle(page) !== mainTitle,
        'on the desktop, a click straight after the game moved its cursor lands under the pointer (Options opens)');
  check(page.errors.length === 0, `desktop: no page errors: ${page.errors.join(' | ')}`);
  await context.close();
}
if (audioSite) {
  // The sound device opened, closed and opened again, many times, while the
  // browser's audio events run.
  const audioBrowser = await launch(['--autoplay-policy=no-user-gesture-required']);
  const audioServer = await serve(audioSite);
  const page = await audioBrowser.newPage();
  const errors = [];
  let done = '';
  page.on('pageerror', e => errors.push(String(e)));
  page.on('console', m => { if (m.type() === 'error') errors.push(m.text()); if (/audio reopen:/.test(m.text())) done = m.text(); });
  await page.goto(`http://127.0.0.1:${audioServer.address().port}/audio_reopen.html`);
  for (let i = 0; i < 120 && !done && !errors.length; ++i) await sleep(500);
  console.log(`audio: ${done}`);
  check(/rounds, [1-9]\d* callbacks/.test(done) && errors.length === 0,
        `the sound device opened and closed many times with no trap: ${errors.join(' | ')}`);
  audioServer.close();
  await audioBrowser.close();
}
server.close();
await browser.close();
fs.rmSync(profile, {recursive: true, force: true});
console.log(failures.length ? `phone: ${failures.length} checks failed` : 'phone: all checks passed');
process.exit(failures.length ? 1 : 0);
