// SPDX-License-Identifier: GPL-3.0-or-later
// engines.mjs — one driver interface over three browser engines on Debian 12.
//
//   chromium : Debian `chromium-headless-shell` via puppeteer-core (CDP): Chromium's
//              engine without the browser around it, which takes about 40% less
//              processor time than `chromium` (which ENGINES_CHROMIUM may name)
//   firefox  : Debian `firefox-esr`  via puppeteer-core (WebDriver BiDi, no geckodriver)
//   webkit   : Debian WebKitGTK MiniBrowser via selenium-webdriver + WebKitWebDriver,
//              on the X display in DISPLAY (MiniBrowser has no headless mode): run
//              the player under `tools/private-display` for a private one
//
// serve(folder) serves a built page on a free port of 127.0.0.1.
// program(import.meta.url, name, main) runs main when its module is run as a
// program, and alone(import.meta.url, check) a check of the page by itself,
// in a browser of its own.
//
// const b = await launch('firefox');
// await b.goto(url); await b.ready(); await b.click('#Text2'); await b.press('4');
// const v = await b.evaluate(() => document.title); await b.close();
//
// Every check and player of the page goes through this interface, so that it
// runs in every engine.  Each engine reads the real clipboard its own way
// (clipboard()).  What an engine cannot tell, its driver says so:
//   installErrors()  null but in Chromium: only Chromium's protocol asks the
//                    browser whether it would install the page as an app;
//   pdf()            throws in WebKit: WebKitWebDriver has no print command,
//                    and MiniBrowser prints only through GTK's dialog.
// Puppeteer's page (page) is there for a measurement of Chromium alone
// (page-latency.mjs), never for a check.

import { spawn } from 'node:child_process';
import { mkdir, mkdtemp, rm, writeFile } from 'node:fs/promises';
import { existsSync, readdirSync, readFileSync, rmSync, statSync } from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { findFreePort } from 'selenium-webdriver/net/portprober.js';
import { waitForServer } from 'selenium-webdriver/http/util.js';

export const ENGINES = ['chromium', 'firefox', 'webkit'];

// The viewport a check starts on, in CSS pixels: a desktop's.
export const VIEWPORT = { width: 1024, height: 768 };

// Debian multiarch folder of libwebkit2gtk-4.1-0 (which ships MiniBrowser).
const TRIPLET = { x64: 'x86_64-linux-gnu', arm64: 'aarch64-linux-gnu' }[process.arch] ?? `${process.arch}-linux-gnu`;

// Every path can be overridden by an environment variable.
const PATHS = {
  chromium: process.env.ENGINES_CHROMIUM ?? '/usr/bin/chromium-headless-shell',
  firefox: process.env.ENGINES_FIREFOX ?? '/usr/bin/firefox-esr',
  webkitDriver: process.env.ENGINES_WEBKITDRIVER ?? '/usr/bin/WebKitWebDriver',
  miniBrowser: process.env.ENGINES_MINIBROWSER ?? `/usr/lib/${TRIPLET}/webkit2gtk-4.1/MiniBrowser`,
};

// The types of the page's files.
const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json', '.ttf': 'font/ttf' };

// Serves the folder on 127.0.0.1 at a free port, with Last-Modified alone for
// caching, as a plain static server does; server.stop() takes it off the
// network at once (open connections included).
export function serve(folder) {
  const root = path.resolve(folder);
  const server = http.createServer((req, res) => {
    let file = decodeURIComponent(new URL(req.url, 'http://127.0.0.1').pathname);
    if (file.endsWith('/')) file += 'index.html';
    file = path.join(root, path.normalize(file));
    if (!file.startsWith(root + path.sep) || !existsSync(file) || !statSync(file).isFile()) return res.writeHead(404).end();
    res.writeHead(200, { 'content-type': TYPES[path.extname(file)] ?? 'application/octet-stream',
      'last-modified': statSync(file).mtime.toUTCString() });
    res.end(readFileSync(file));
  });
  server.url = () => `http://127.0.0.1:${server.address().port}/`;
  server.stop = () => { server.close(); server.closeAllConnections(); };
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// When the module at url is the program: exits with the status of
// main(arguments), or 3 after name and the error it threw.  Stopped from
// outside, it still closes its browsers (emergency below).
export async function program(url, name, main) {
  if (!process.argv[1] || path.resolve(process.argv[1]) !== fileURLToPath(url)) return;
  for (const signal of ['SIGTERM', 'SIGINT']) process.on(signal, () => process.exit(128 + (signal === 'SIGTERM' ? 15 : 2)));
  try {
    process.exit(await main(process.argv.slice(2)));
  } catch (failure) {
    process.stderr.write(`${name}: ${failure.stack ?? failure}\n`);
    process.exit(3);
  }
}

// A check of the page, check(browser, args, print) -> passed, exported by the
// module at url and run by session.mjs in the browser it shares among the
// checks of an engine: run as a program (node CHECK.mjs [--engine E] ARG...),
// the module runs it by itself in a browser of its own, in Chromium unless E
// names another engine, and exits with status 1 when it fails.
export const alone = (url, check) => program(url, path.basename(fileURLToPath(url)), async (args) => {
  let engine = 'chromium';
  if (args[0] === '--engine') [engine, ...args] = args.slice(1);
  const browser = await launch(engine);
  try {
    return (await check(browser, args, console.log)) ? 0 : 1;
  } finally {
    await browser.close();
  }
});

// Named keys accepted by press(). Values are the W3C WebDriver
// key codepoints (used for WebKit); puppeteer takes the names themselves.
const WD_KEYS = {
  Enter: '\uE007', Escape: '\uE00C', Tab: '\uE004', Backspace: '\uE003', Delete: '\uE017',
  Home: '\uE011', End: '\uE010', PageUp: '\uE00E', PageDown: '\uE00F',
  ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
  Space: ' ', ' ': ' ',
  Shift: '\uE008', Control: '\uE009', Alt: '\uE00A', Meta: '\uE03D',
};

// A named key, or a single character.
function checkKey(key) {
  if (!(key in WD_KEYS) && [...key].length !== 1) throw new Error(`unknown key name: ${JSON.stringify(key)}`);
  return key;
}

// Last-resort cleanup if the player exits (normally or by process.exit())
// without close(): kill our WebKitWebDriver process group and remove
// temp dirs synchronously. (Puppeteer kills its own browsers on exit.)
// A player should turn SIGINT/SIGTERM into process.exit() so this runs.
const emergency = new Set();
process.on('exit', () => { for (const f of emergency) { try { f(); } catch { /* ignore */ } } });

// Whether a process group has a live (not zombie) process, from /proc (Linux).
function groupAlive(pgid) {
  return readdirSync('/proc').filter((d) => /^\d+$/.test(d)).some((d) => {
    try {
      const stat = readFileSync(`/proc/${d}/stat`, 'utf8');
      const [state, , group] = stat.slice(stat.lastIndexOf(')') + 2).split(' '); // state ppid pgrp ...
      return Number(group) === pgid && state !== 'Z';
    } catch { return false; /* gone meanwhile */ }
  });
}
async function waitGroupGone(pgid, ms) {
  const end = Date.now() + ms;
  while (groupAlive(pgid) && Date.now() < end) await new Promise((r) => setTimeout(r, 50));
  return !groupAlive(pgid);
}


// In the page: until it has its model and has drawn its controls.
async function pageReady(timeoutMs) {
  const end = Date.now() + timeoutMs;
  while (document.documentElement.dataset.ready !== 'true') {
    if (Date.now() > end) throw new Error('the page was not ready after ' + timeoutMs + ' ms');
    await new Promise((resolve) => setTimeout(resolve, 10));
  }
  return true;
}

// In the page: once it shows all of the last change, a frame and the task
// after it passing with nothing on the page written.
async function pageSettled() {
  let written;
  const writes = new MutationObserver(() => { written = true; });
  writes.observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
  do {
    written = false;
    await new Promise((done) => requestAnimationFrame(() => setTimeout(done)));
  } while (written);
  writes.disconnect();
}

// In the page: the middle of the element that selector finds, in the
// viewport, scrolled into view first.
export function middle(selector) {
  const el = document.querySelector(selector);
  if (!el) throw new Error(`nothing is ${selector}`);
  el.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  const r = el.getBoundingClientRect();
  return [r.left + r.width / 2, r.top + r.height / 2];
}

/**
 * launch(engine, {fileAccess = false}), at the desktop's VIEWPORT.
 * Returns { engine, goto, reload, closed, ready, settled, evaluate, click, clickAt, press,
 *           setViewport, screenshot, screenshotElement, pdf, clipboard, installErrors, close };
 * screenshot(file) takes the whole page.
 * Chromium and Firefox run headless; WebKit on the X display in DISPLAY.
 */
export async function launch(engine, { fileAccess = false } = {}) {
  const { width, height } = VIEWPORT;
  if (!ENGINES.includes(engine)) throw new Error(`unknown engine ${engine}`);
  const tmp = await mkdtemp(path.join(os.tmpdir(), `engines-${engine}-`));
  const rmTmp = () => rmSync(tmp, { recursive: true, force: true });
  emergency.add(rmTmp);
  const cleanups = [async () => { emergency.delete(rmTmp); await rm(tmp, { recursive: true, force: true, maxRetries: 5, retryDelay: 100 }); }];
  let driver, closed = false;
  const close = async () => {
    if (closed) return;
    closed = true;
    for (const c of cleanups.reverse()) await c().catch(() => { /* keep cleaning */ });
  };
  try {
    driver = await (engine === 'webkit' ? launchWebKit : launchPuppeteer)(engine, tmp, cleanups, { width, height, fileAccess });
  } catch (e) {
    await close();
    throw e;
  }
  // fn(...args) run in the page, its result passed as JSON text, so that every
  // engine gives JSON's values (undefined -> null, Dates -> strings ...).
  driver.evaluate = async (fn, ...args) => {
    let r;
    try {
      r = await driver.run(`(async () => { const r = await (${fn})(...${JSON.stringify(args)});` +
        ` return r === undefined ? 'null' : JSON.stringify(r); })()`);
    } catch (e) {
      throw new Error(`evaluate failed in ${engine}: ${String(e?.message ?? e).split('\n')[0]}`, { cause: e });
    }
    return JSON.parse(r);
  };
  // Waits until the page is ready, timeoutMs at most.
  driver.ready = (timeoutMs = 20000) => driver.evaluate(pageReady, timeoutMs);
  // Waits until the page shows all of the last change.
  driver.settled = () => driver.evaluate(pageSettled);
  // A click in the middle of an element, as a person aims it.
  driver.click = async (selector) => driver.clickAt(...(await driver.evaluate(middle, selector)));
  driver.close = close;
  driver.engine = engine;
  return driver;
}

async function launchPuppeteer(engine, tmp, cleanups, { width, height, fileAccess }) {
  const { default: puppeteer } = await import('puppeteer-core');
  const common = {
    headless: true,
    userDataDir: path.join(tmp, 'profile'),
    defaultViewport: { width, height, deviceScaleFactor: 1 },
    timeout: 60000,
    protocolTimeout: 60000,
    handleSIGINT: false, handleSIGTERM: false, handleSIGHUP: false,
  };
  let browser;
  if (engine === 'chromium') {
    const shell = path.basename(PATHS.chromium).includes('headless-shell');
    browser = await puppeteer.launch({
      ...common,
      headless: shell ? 'shell' : true,
      browser: 'chrome',
      executablePath: PATHS.chromium,
      args: [
        '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        '--disable-dev-shm-usage', '--lang=tr-TR', `--window-size=${width},${height}`,
        ...(fileAccess ? ['--allow-file-access-from-files'] : []),
        // The shell hints glyphs, and its printout then sets letters apart
        // within a word; unhinted, as the browser prints them.
        ...(shell ? ['--font-render-hinting=none'] : []),
      ],
    });
  } else {
    browser = await puppeteer.launch({
      ...common,
      browser: 'firefox',
      protocol: 'webDriverBiDi',
      executablePath: PATHS.firefox,
      args: [`--width=${width}`, `--height=${height}`],
      extraPrefsFirefox: {
        // keep the closed network quiet (beside puppeteer's own): no telemetry, captive portal ...
        'network.captive-portal-service.enabled': false,
        'network.connectivity-service.enabled': false,
        'toolkit.telemetry.enabled': false,
        'intl.accept_languages': 'tr-TR, tr',
        // a click on a <button> focuses it on Linux already; keep Tab reaching every control
        'accessibility.tabfocus': 7,
      },
    });
  }
  cleanups.push(async () => { await browser.close().catch(() => {}); });
  // The headless shell denies the page the clipboard's writing, which a
  // person's Chromium grants on a click, and reading, which clipboard() needs:
  // both granted, for every origin.
  if (engine === 'chromium') {
    await (await browser.target().createCDPSession()).send('Browser.grantPermissions',
      { permissions: ['clipboardSanitizedWrite', 'clipboardReadWrite'] });
  }
  // Firefox: the initial about:blank tab never gets document focus over BiDi
  // (document.hasFocus() stays false, no focus/blur/focusin events fire even
  // with focusmanager.testmode). A tab opened by newPage() is focused, so
  // always open a fresh tab and close the initial one (done for both engines).
  const initial = await browser.pages();
  let page, cdp;
  // A fresh focused tab; again after the page closed its own (window.close()).
  async function openTab() {
    page = await browser.newPage();
    await page.bringToFront();
    await page.setViewport({ width, height, deviceScaleFactor: 1 });
    cdp = engine === 'chromium' ? await page.createCDPSession() : null;
  }
  await openTab();
  // Firefox quits when its last tab closes, as a page's window.close() does:
  // its initial tab stays open behind.
  if (engine === 'chromium') for (const p of initial) await p.close().catch(() => {});

  // Characters outside puppeteer's US layout (ç ğ ı ö ş ü ...) are sent by
  // puppeteer's CDP keyboard as Input.insertText (no keydown). Send a real
  // keyDown/keyUp with text instead, so every engine sees key events.
  const isLayoutChar = (ch) => ch.length === 1 && ch.charCodeAt(0) >= 0x20 && ch.charCodeAt(0) < 0x7f;
  async function pressChar(ch) {
    if (engine === 'firefox' || isLayoutChar(ch)) return page.keyboard.press(ch);
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', key: ch, text: ch, unmodifiedText: ch });
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key: ch });
  }

  // puppeteer's BiDi keyboard sends Enter as WebDriver \uE007, which Firefox
  // reports as code 'NumpadEnter'; \uE006 ("Return") gives key 'Enter' with
  // code 'Enter', like Chromium and WebKit.
  const bidiKey = (k) => (engine === 'firefox' && k === 'Enter' ? '\uE006' : k);

  return {
    get page() { return page; },
    async goto(url) {
      if (page.isClosed()) await openTab();
      await page.goto(url, { waitUntil: 'load' });
    },
    async reload() { await page.reload({ waitUntil: 'load' }); },
    async closed() { return page.isClosed(); },
    run: (expression) => page.evaluate(expression),
    async clickAt(x, y) { await page.mouse.click(Math.round(x), Math.round(y)); },
    async press(key) {
      checkKey(key);
      if ([...key].length === 1) return pressChar(key);
      await page.keyboard.press(bidiKey(key));
    },
    async setViewport(w, h) { await page.setViewport({ width: w, height: h, deviceScaleFactor: 1 }); },
    async screenshot(file) { await page.screenshot({ path: file, fullPage: true }); },
    async screenshotElement(selector, file) { await (await page.$(selector)).screenshot({ path: file }); },
    // The page printed on A4 with the browser's defaults (no backgrounds).
    async pdf(file) { await page.pdf({ path: file, format: 'A4' }); },
    // The text on the clipboard, read by the page.
    async clipboard() { return this.evaluate(() => navigator.clipboard.readText()); },
    // What keeps Chromium from installing the page as an app.
    async installErrors() {
      if (engine !== 'chromium') return null;
      return [...(await cdp.send('Page.getInstallabilityErrors')).installabilityErrors,
        ...((await cdp.send('Page.getAppManifest')).errors ?? [])];
    },
  };
}

const GTK_CSS = process.env.ENGINES_GTK_CSS ?? `
* { min-width: 0; min-height: 0; padding: 0; margin: 0; border-width: 0; }
entry { font-size: 4px; }
`;

// Separate clickAt() calls must not merge into double/triple clicks (puppeteer
// sends each click with detail 1); a 1 ms GTK double-click time does that.
const GTK_SETTINGS = process.env.ENGINES_GTK_SETTINGS ?? `[Settings]
gtk-double-click-time=1
gtk-enable-animations=false
gtk-cursor-blink=false
`;

async function launchWebKit(engine, tmp, cleanups, { width, height, fileAccess }) {
  const { Builder, By, Origin } = await import('selenium-webdriver');
  for (const p of [PATHS.webkitDriver, PATHS.miniBrowser]) {
    if (!existsSync(p)) throw new Error(`missing ${p} (apt-get install webkit2gtk-driver)`);
  }
  if (!process.env.DISPLAY) throw new Error('WebKit needs an X display: run the player under tools/private-display');
  // A fresh HOME/XDG tree: MiniBrowser and its web processes inherit this env
  // from WebKitWebDriver, so nothing lands in the real home.
  const env = {
    ...process.env, HOME: tmp,
    XDG_CONFIG_HOME: path.join(tmp, 'config'), XDG_CACHE_HOME: path.join(tmp, 'cache'),
    XDG_DATA_HOME: path.join(tmp, 'data'), XDG_RUNTIME_DIR: tmp,
    GDK_BACKEND: 'x11', GDK_SCALE: '1', GDK_DPI_SCALE: '1', NO_AT_BRIDGE: '1', GTK_A11Y: 'none',
    LANG: 'C.UTF-8', LC_ALL: 'C.UTF-8',
    // Composited on Xvfb's software GL the first frame of a page takes seconds
    // and every frame after it a while: the page waits on requestAnimationFrame.
    WEBKIT_DISABLE_COMPOSITING_MODE: '1',
  };
  delete env.WAYLAND_DISPLAY;
  // MiniBrowser's toolbar (7 buttons + URL entry) gives its window a minimum
  // width of ~447 px, so innerWidth 390 is unreachable. A private gtk.css
  // (read from XDG_CONFIG_HOME) squeezes the toolbar so narrow phone
  // viewports fit.
  await mkdir(path.join(tmp, 'config', 'gtk-3.0'), { recursive: true });
  await writeFile(path.join(tmp, 'config', 'gtk-3.0', 'gtk.css'), GTK_CSS);
  await writeFile(path.join(tmp, 'config', 'gtk-3.0', 'settings.ini'), GTK_SETTINGS);
  const port = await findFreePort('127.0.0.1');
  const drv = spawn(PATHS.webkitDriver, [`--port=${port}`, '--host=local'],
    { env, stdio: process.env.ENGINES_DEBUG ? 'inherit' : 'ignore', detached: true });
  // detached: WebKitWebDriver leads a process group that MiniBrowser and the
  // WebKit helper processes join, so one group kill ends them all.
  const signal = (name) => { try { process.kill(-drv.pid, name); } catch { /* gone */ } };
  const panic = () => signal('SIGKILL');
  emergency.add(panic);
  cleanups.push(async () => {
    emergency.delete(panic);
    // the driver may already be gone while its helpers (network/web process)
    // still write into the temp dir: wait for the whole group
    signal('SIGTERM');
    if (!(await waitGroupGone(drv.pid, 3000))) {
      signal('SIGKILL');
      await waitGroupGone(drv.pid, 2000);
    }
  });
  const server = `http://127.0.0.1:${port}`;
  await waitForServer(server, 15000);
  const wd = await new Builder()
    .usingServer(server)
    .withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: PATHS.miniBrowser,
        args: ['--automation', ...(fileAccess ? ['--allow-file-access-from-file-urls=true'] : [])] },
    })
    .build();
  cleanups.push(async () => { await wd.quit().catch(() => {}); });

  const [screenWidth, screenHeight] = await wd.executeScript('return [screen.width, screen.height]');

  // MiniBrowser: the window includes toolbar/chrome. Size the window so that
  // window.innerWidth/innerHeight come out as asked; retry once to converge.
  async function setViewport(w, h) {
    let ww = w, wh = h;
    for (let i = 0; i < 4; i++) {
      // Centre the window on the screen: with no window manager X gives keyboard
      // focus to the window under the pointer, which Xvfb parks at the screen
      // centre (WebDriver input does not move it). A window not under it gets
      // no focus: document.hasFocus() false and no focus/blur events.
      await wd.manage().window().setRect({ x: Math.floor((screenWidth - ww) / 2),
        y: Math.floor((screenHeight - wh) / 2), width: ww, height: wh });
      const got = await wd.executeScript('return [window.innerWidth, window.innerHeight]');
      if (got[0] === w && got[1] === h) { await settle(); return; }
      ww += w - got[0];
      wh += h - got[1];
    }
  }
  // Wait until WebKit has painted the current state (two animation frames);
  // takeScreenshot right after a load or a resize otherwise returns a stale frame.
  const settle = () => wd.executeAsyncScript(
    'const done = arguments[arguments.length - 1]; requestAnimationFrame(() => requestAnimationFrame(() => done(1)));');
  const key = (k) => WD_KEYS[checkKey(k)] ?? k;
  const actions = () => wd.actions({ async: true });

  const api = {
    async goto(url) { await wd.get(url); }, // waits for document load (pageLoadStrategy normal)
    async reload() { await wd.navigate().refresh(); },
    async closed() {
      try { return (await wd.getAllWindowHandles()).length === 0; } catch { return true; }
    },
    run: (expression) => wd.executeScript(`return ${expression};`),
    async clickAt(x, y) {
      await actions().move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT, duration: 0 })
        .click().perform();
    },
    async press(k) { await actions().sendKeys(key(k)).perform(); },
    setViewport,
    screenshot: (file) => api.screenshotElement('html', file),
    async screenshotElement(selector, file) {
      await settle();
      const el = await wd.findElement(By.css(selector));
      await writeFile(file, Buffer.from(await el.takeScreenshot(), 'base64'));
    },
    async pdf() { throw new Error('WebKitWebDriver cannot print'); },
    // The text on the clipboard, pasted with Control+V into a box of the
    // driver's own: MiniBrowser lets a page read it only with a setting that
    // would change how the page copies.
    async clipboard() {
      await api.evaluate(() => Object.assign(document.body.appendChild(document.createElement('textarea')), { id: 'engines-paste' }).focus());
      await actions().keyDown(WD_KEYS.Control).sendKeys('v').keyUp(WD_KEYS.Control).perform();
      return api.evaluate(() => { const box = document.getElementById('engines-paste'); box.remove(); return box.value; });
    },
    async installErrors() { return null; },
  };
  await setViewport(width, height);
  return api;
}
