// Plays the page in headless Chromium as a player would: the title, the
// menus and Options, a shift played by mouse, the settings and a highscore
// across a reload, a damaged level file, and "Quit Game". Prints what it
// measured (bytes before the title, time to the title, frame rate and frame
// cost in play) and saves screenshots.
//   node page_test.mjs SITE_DIR SHOTS_DIR DAMAGED_SITE_DIR
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const [site, shots, damagedSite] = process.argv.slice(2);
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
         '--autoplay-policy=user-gesture-required', '--window-size=800,600'],
  defaultViewport: {width: 800, height: 600}});

async function openPage(server) {
  const page = await browser.newPage();
  page.consoleErrors = [];
  page.on('console', m => { if (m.type() === 'error') page.consoleErrors.push(m.text()); });
  page.on('pageerror', e => page.consoleErrors.push(String(e)));
  // Frames shown and the time the game's code spends between its waits.
  await page.evaluateOnNewDocument(() => {
    window.presented = 0;
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (...a) { ++window.presented; return put.apply(this, a); };
  });
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

// Picture coordinates to page coordinates (the canvas is scaled and centred).
async function at(page, x, y) {
  const r = await page.evaluate(() => { const b = document.getElementById('canvas').getBoundingClientRect();
                                        return [b.left, b.top, b.width / 800]; });
  return [r[0] + x * r[2], r[1] + y * r[2]];
}
async function click(page, x, y) {
  const [px, py] = await at(page, x, y);
  await page.mouse.move(px, py, {steps: 8});
  await sleep(100);
  await page.mouse.down();
  await sleep(60);
  await page.mouse.up();
  await sleep(300);
}
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
  check(titleMs < 3000, 'the title shows within 3 s');
  check(titleBytes <= 16e6, 'at most 16 MB downloaded for the title');
  check(await page.title() === 'Brindlecog', 'the page is titled Brindlecog');
  await shot(page, 'title.png');

  await click(page, 400, 300);
  await sleep(500);
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
  await click(page, 400, 300);
  await sleep(1500);
  const stats = () => page.evaluate(() => ({presented: window.presented, busy: Module.busyMs || 0, t: performance.now()}));
  const before = await stats();
  await page.evaluate(() => { Module.busyMs = 0; });
  const busyStart = 0;
  // The worker fits a part: a click on a pile, then on the product.
  await click(page, 560, 470);
  await sleep(2500);
  await shot(page, 'shift.png');
  await sleep(55000);
  const after = await stats();
  const seconds = (after.t - before.t) / 1000;
  const frames = after.presented - before.presented;
  const fps = frames / seconds;
  console.log(`web: in play ${fps.toFixed(1)} frames/s over ${seconds.toFixed(0)} s, ` +
              `${((after.busy - busyStart) / frames).toFixed(2)} ms of game code per frame`);
  check(fps >= 58, 'at least 58 frames a second in play');
  await shot(page, 'shift-later.png');
  check(page.consoleErrors.length === 0, 'no console errors in a shift: ' + page.consoleErrors.join(' | '));
  await page.close();
}
{
  // After a reload the settings are still there.
  const {page} = await openPage(server);
  await waitForPicture(page);
  check(/SoundOn=0/.test(await playerFile(page, 'Brindlecog.ini')), 'the settings survive a reload');
  // Escape in the menu ends the game, and the page says so.
  await click(page, 400, 300);
  await sleep(500);
  await page.keyboard.press('Escape');
  await sleep(1000);
  const ended = await page.evaluate(() => !document.getElementById('notice').hidden &&
                                          document.getElementById('notice').textContent);
  check(/ended/.test(ended || ''), 'Escape in the menu ends the game and the page says so');
  await page.close();
}
if (damagedSite) {
  const damaged = await serve(damagedSite);
  const {page} = await openPage(damaged);
  await waitForPicture(page);
  await click(page, 400, 300);
  await click(page, 400, 145);
  await sleep(2500);
  await shot(page, 'damaged-level.png');
  damaged.close();
  await page.close();
}
server.close();
await browser.close();
fs.rmSync(profile, {recursive: true, force: true});
console.log(failures.length ? `web: ${failures.length} checks failed` : 'web: all checks passed');
process.exit(failures.length ? 1 : 0);
