// Plays the page in headless Chromium as a player would: the title, the
// menus and Options, a shift played by mouse, the settings and a highscore
// across a reload, the title turning into the menu frame by frame, the
// licence notices, a damaged level file, and "Quit Game". Prints what it
// measured (bytes before the title, time to the title, frame rate and frame
// cost in play) and saves screenshots.
//   node page_test.mjs SITE_DIR SHOTS_DIR DAMAGED_LEVEL_SITE_DIR DAMAGED_PICTURE_SITE_DIR
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const [site, shots, damagedSite, damagedPictureSite] = process.argv.slice(2);
fs.mkdirSync(shots, {recursive: true});
const failures = [];
const check = (ok, what) => { console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`); if (!ok) failures.push(what); };
const sleep = ms => new Promise(r => setTimeout(r, ms));

// A static server counting what it sends, like any web server would serve the folder.
function serve(root) {
  const types = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
                 '.png': 'image/png', '.data': 'application/octet-stream'};
  const server = http.createServer((req, res) => {
    const file = path.join(root, decodeURIComponent(new URL(req.url, 'http://x').pathname.replace(/\/$/, '/index.html')));
    fs.readFile(file, (error, body) => {
      if (error) { res.writeHead(404); res.end(); return; }
      server.bytes += body.length;
      res.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                          'Content-Length': body.length, 'Cache-Control': 'no-store'});
      res.end(body);
    });
  });
  server.bytes = 0;
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'brindlecog-chromium-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--autoplay-policy=user-gesture-required', '--window-size=960,680'],
  defaultViewport: {width: 960, height: 680}});

async function openPage(server) {
  const page = await browser.newPage();
  page.consoleErrors = [];
  page.on('console', m => { if (m.type() === 'error') page.consoleErrors.push(m.text()); });
  page.on('pageerror', e => page.consoleErrors.push(String(e)));
  const started = Date.now();
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  return {page, started};
}

// The picture is up once the canvas holds many colours, not a cleared screen.
async function waitForPicture(page) {
  await page.waitForFunction(() => {
    const c = document.getElementById('canvas');
    const ctx = c.getContext('2d');
    if (!ctx) return false;
    const d = ctx.getImageData(0, 0, c.width, c.height).data;
    const seen = new Set();
    for (let i = 0; i < d.length; i += 4 * 997) seen.add(d[i] << 16 | d[i + 1] << 8 | d[i + 2]);
    return seen.size > 20;
  }, {polling: 50, timeout: 30000});
}

// Picture coordinates to page coordinates: the canvas is scaled and centred,
// and in full screen the picture is fitted into it.
async function at(page, x, y) {
  const r = await page.evaluate(() => { const b = document.getElementById('canvas').getBoundingClientRect();
                                        return [b.left, b.top, b.width, b.height]; });
  const scale = Math.min(r[2] / 800, r[3] / 600);
  return [r[0] + (r[2] - 800 * scale) / 2 + x * scale, r[1] + (r[3] - 600 * scale) / 2 + y * scale];
}
// The game's cursor goes where the pointer comes into the picture and then
// moves with it; the game itself puts it elsewhere when a screen changes, as
// a player sees. Coming in from past the top-left corner lines it up.
async function click(page, x, y, button = 'left') {
  const [ox, oy] = await at(page, -20, -20);
  const [px, py] = await at(page, x, y);
  await page.mouse.move(ox, oy);
  await sleep(50);
  await page.mouse.move(px, py, {steps: 8});
  await sleep(100);
  await page.mouse.down({button});
  await sleep(60);
  await page.mouse.up({button});
  await sleep(300);
}
// The title gives way to the menu by itself: the click that leaves the title
// goes where the menu has no button (400, 450), whichever of the two shows.

// Whether "Press button to continue" shows on a level card within 1.5 s (it blinks).
async function continuePromptShows(page) {
  for (let i = 0; i < 10; ++i) {
    const lit = await page.evaluate(() => {
      const c = document.getElementById('canvas');
      const scale = Math.min(c.width / 800, c.height / 600);
      const left = (c.width - 800 * scale) / 2, top = (c.height - 600 * scale) / 2;
      const d = c.getContext('2d').getImageData(left + 100 * scale, top + 495 * scale, 300 * scale, 30 * scale).data;
      for (let i = 0; i < d.length; i += 4) if (d[i] + d[i + 1] + d[i + 2] > 150) return true;
      return false;
    });
    if (lit) return true;
    await sleep(150);
  }
  return false;
}
// The game-over screen's panel fills the middle of the picture.
const gameOverShows = page => page.evaluate(() => {
  const c = document.getElementById('canvas');
  const scale = Math.min(c.width / 800, c.height / 600);
  const left = (c.width - 800 * scale) / 2, top = (c.height - 600 * scale) / 2;
  const panel = [180, 189, 205];
  return [[241, 265], [524, 265], [241, 335], [541, 229]].every(([x, y]) => {
    const d = c.getContext('2d').getImageData(left + x * scale, top + y * scale, 1, 1).data;
    return panel.every((v, i) => Math.abs(d[i] - v) < 8);
  });
});
const shot = (page, name) => page.screenshot({path: path.join(shots, name)});
const playerFile = (page, name) => page.evaluate(n => {
  try { return new TextDecoder('latin1').decode(FS.readFile('/home/web_user/.config/brindlecog/' + n)); }
  catch (e) { return ''; }
}, name);

const server = await serve(site);
{
  const {page, started} = await openPage(server);
  await waitForPicture(page);
  const titleMs = Date.now() - started;
  const titleBytes = server.bytes;
  console.log(`web: first title picture after ${titleMs} ms, ${(titleBytes / 1e6).toFixed(2)} MB downloaded`);
  // The first visit fills the service worker's cache before the game starts.
  check(titleMs < 8000, 'the title shows within 8 s');
  check(titleBytes <= 16e6, 'at most 16 MB downloaded for the title');
  check(await page.title() === 'Brindlecog', 'the page is titled Brindlecog');
  await shot(page, 'title.png');

  // (app_test.mjs measures the sounds against the desktop's files.)

  // Sound plays once the player has clicked, as browsers require. (Headless
  // Chromium may run it before, whatever the autoplay policy says.)
  const audio = () => page.evaluate(() => Module.SDL2 && Module.SDL2.audioContext ? Module.SDL2.audioContext.state : 'none');
  const audioBefore = await audio();
  await click(page, 400, 450);
  await sleep(500);
  check(await audio() === 'running', `sound plays after the first click (before it: ${audioBefore})`);
  await shot(page, 'menu.png');
  // Options: sound off, back to the menu (which writes the settings).
  await click(page, 400, 245);
  await click(page, 400, 145);
  await shot(page, 'options.png');
  await click(page, 400, 295);
  check(/SoundOn=0/.test(await playerFile(page, 'Brindlecog.ini')), 'leaving Options writes the settings');

  // A shift: the level card, then play.
  await click(page, 400, 145);
  await sleep(2500);
  await shot(page, 'card.png');
  check(await continuePromptShows(page), 'the level card offers to go on');
  await click(page, 400, 300);
  await sleep(1500);
  // A busy minute: the worker fetches wheels and is sent to whatever is on
  // the line under the cursor, again and again; a finished car scores when
  // it passes the chief, which shows in the score at the top.
  const scoreArea = () => page.evaluate(() => {
    const c = document.getElementById('canvas');
    return Array.from(c.getContext('2d').getImageData(0, 0, c.width, Math.ceil(c.height / 20)).data).join();
  });
  const scoreBefore = await scoreArea();
  // The game waits for every display refresh it keeps up with.
  const stats = () => page.evaluate(() => ({refreshes: Module.refreshes || 0, busy: Module.busyMs || 0,
                                            t: performance.now()}));
  const before = await stats();
  const busyUntil = Date.now() + 60000;
  let shiftShot = false;
  while (Date.now() < busyUntil) {
    await click(page, 360, 230);  // the wheels' pile
    await sleep(1200);
    for (let x = 640; x >= 300; x -= 85) await click(page, x, 330);  // along the line
    if (!shiftShot) { await shot(page, 'shift.png'); shiftShot = true; }
  }
  const after = await stats();
  const seconds = (after.t - before.t) / 1000;
  const frames = after.refreshes - before.refreshes;
  const fps = frames / seconds;
  console.log(`web: in play ${fps.toFixed(1)} frames a second over ${seconds.toFixed(0)} s, ` +
              `${((after.busy - before.busy) / frames).toFixed(2)} ms of the game's code a frame`);
  check(fps >= 58, 'at least 58 frames a second in a busy shift');
  check(await scoreArea() !== scoreBefore, 'the worker fitted parts by mouse and a finished product scored');
  await shot(page, 'shift-later.png');
  // F12 hands the player the picture as a download.
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'brindlecog-downloads-'));
  const cdp = await page.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
  await page.keyboard.press('F12');
  let pictures = [];
  for (let i = 0; i < 20 && !pictures.length; ++i) {
    await sleep(250);
    pictures = fs.readdirSync(downloads).filter(name => name.endsWith('.png'));
  }
  check(pictures.length === 1 && fs.readFileSync(path.join(downloads, pictures[0])).subarray(1, 4).toString() === 'PNG',
        'F12 downloads the picture as a PNG: ' + pictures.join());
  fs.rmSync(downloads, {recursive: true, force: true});
  check(page.consoleErrors.length === 0, 'no console errors in a shift: ' + page.consoleErrors.join(' | '));
  await page.close();
}
{
  // After a reload the settings are still there. A shift where nothing is
  // done gets the worker fired; the total is saved under a name.
  const {page} = await openPage(server);
  await waitForPicture(page);
  check(/SoundOn=0/.test(await playerFile(page, 'Brindlecog.ini')), 'the settings survive a reload');
  await click(page, 400, 450);
  await click(page, 400, 145);
  await sleep(1500);
  await click(page, 400, 300);
  // The game-over screen: into the name box, a name, out of it, and S.
  const overUntil = Date.now() + 240000;
  while (!await gameOverShows(page) && Date.now() < overUntil) await sleep(1000);
  await click(page, 300, 180);
  for (const key of ['KeyJ', 'KeyO', 'Enter', 'KeyS']) { await page.keyboard.press(key); await sleep(100); }
  await sleep(500);
  await shot(page, 'game-over.png');
  check(/jo/.test(await playerFile(page, 'highscores-brindlecog.hs')), 'a fired worker\'s total is saved as a highscore');
  await page.close();
}
{
  const {page} = await openPage(server);
  await waitForPicture(page);
  check(/jo/.test(await playerFile(page, 'highscores-brindlecog.hs')), 'the highscore survives a reload');
  // Escape in the menu ends the game, and the page says so.
  await click(page, 400, 450);
  await sleep(500);
  await page.keyboard.press('Escape');
  await sleep(1000);
  const ended = await page.evaluate(() => !document.getElementById('notice').hidden &&
                                          document.getElementById('notice').textContent);
  check(/ended/.test(ended || ''), 'Escape in the menu ends the game and the page says so');
  await shot(page, 'ended.png');
  await page.close();
}
{
  // Frame by frame, as the page shows them, from the title to the menu: once
  // another picture is up, none comes back. And the Licences link opens the
  // notices.
  const {page} = await openPage(server);
  await waitForPicture(page);
  const pictures = await page.evaluate(() => new Promise(resolve => {
    const c = document.getElementById('canvas');
    const ctx = c.getContext('2d');
    const seen = [], start = performance.now();
    const sample = () => {
      const d = ctx.getImageData(0, 0, c.width, c.height).data;
      let hash = 2166136261;
      for (let i = 0; i < d.length; i += 4 * 31) hash = Math.imul(hash ^ d[i] ^ d[i + 1] << 8 ^ d[i + 2] << 16, 16777619) >>> 0;
      if (seen[seen.length - 1] !== hash) seen.push(hash);
      if (performance.now() - start < 5500) requestAnimationFrame(sample); else resolve(seen);
    };
    requestAnimationFrame(sample);
  }));
  check(pictures.length >= 2 && new Set(pictures).size === pictures.length,
        `from the title to the menu no picture comes back (${pictures.length} pictures in turn)`);
  const notices = await page.evaluate(async () => {
    const answer = await fetch(document.getElementById('licences').href);
    return answer.ok ? answer.text() : '';
  });
  check(/FreeType/.test(notices) && /Emscripten/.test(notices), 'the Licences link opens the notices');
  await page.close();
}
if (damagedSite) {
  const damaged = await serve(damagedSite);
  const {page} = await openPage(damaged);
  await waitForPicture(page);
  await click(page, 400, 450);
  await click(page, 400, 145);
  await sleep(2500);
  await shot(page, 'damaged-level.png');
  check(!await continuePromptShows(page), 'a damaged level file gets a card with no way on, as on the desktop');
  damaged.close();
  await page.close();
}
if (damagedPictureSite) {
  // A damaged picture stops the start with the game's message, shown in the page.
  const damaged = await serve(damagedPictureSite);
  const {page} = await openPage(damaged);
  await page.waitForFunction(() => !document.getElementById('notice').hidden, {timeout: 30000}).catch(() => {});
  const notice = await page.evaluate(() => document.getElementById('notice').textContent);
  await shot(page, 'damaged-picture.png');
  check(/loading \(encrypted\) images/.test(notice), 'a damaged picture file gets the game\'s message in the page: ' + notice);
  damaged.close();
  await page.close();
}
server.close();
await browser.close();
fs.rmSync(profile, {recursive: true, force: true});
console.log(failures.length ? `web: ${failures.length} checks failed` : 'web: all checks passed');
process.exit(failures.length ? 1 : 0);
