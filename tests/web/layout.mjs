// SPDX-License-Identifier: GPL-3.0-or-later
// The page's layout on any screen, and its accessibility, in headless
// Chromium (Debian's, through puppeteer-core):
//
//   node tests/web/layout.mjs PAGE_DIR [SHOT_DIR]
//
// The faults it catches:
// - at phone width (390 and 320 CSS px) a part of the page lies off the
//   screen: the page scrolls sideways, or an element's box, or an open list,
//   reaches left of 0 or right of the width;
// - at phone width a target is under 24 by 24 CSS px: a text box, a button,
//   a list's button, an item of an open list, a check box or option button
//   with its caption;
// - at phone width, with WCAG's text spacing (line height 1.5, spacing of
//   letters 0.12, words 0.16, paragraphs 2 em), a control's box overlaps
//   another's or its text runs out of it;
// - at the window's width a control is not where the window has it (a few
//   of today's rectangles, in CSS px within the window);
// - axe-core finds a violation of WCAG 2.2 A/AA or of its best practices, at
//   the window's width and at phone width, at start, with a list open, with
//   the fault dialog open, and after the typical use.
// With SHOT_DIR, the page after the typical use is saved there at each width
// (layout-WIDTH.png).  Prints each fault found; exits 1 if there is one.
import {createServer} from 'node:http';
import {readFileSync, mkdtempSync, rmSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const require = createRequire(import.meta.url);
const AXE = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const [folder, shots] = process.argv.slice(2);
if (!folder) {
  console.error('usage: node tests/web/layout.mjs PAGE_DIR [SHOT_DIR]');
  process.exit(2);
}

// Today's places of a few controls at the window's width: [left, top, width,
// height] in CSS px within the window.
const PLACES = {
  Text2: [80, 48, 49, 19],
  Combo1: [256, 16, 57, 21],
  Option1_2: [216, 120, 41, 25],
  chkKompakt: [352, 16, 97, 17],
  Command3: [360, 240, 81, 25],
  Label15: [264, 272, 169, 17],
};
const TYPES = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.ttf': 'font/ttf'};

const faults = [];
const fault = (width, what) => faults.push(`${width} px: ${what}`);

function serve(root) {
  const server = createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
    try {
      const body = readFileSync(file);
      res.writeHead(200, {'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream'});
      res.end(body);
    } catch {
      res.writeHead(404);
      res.end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Everything visible in the page that lies left of 0 or right of the width,
// and whether the page scrolls sideways.
const OFF_SCREEN = () => {
  const off = [];
  const width = document.documentElement.clientWidth;
  if (document.documentElement.scrollWidth > width) off.push(`the page scrolls sideways to ${document.documentElement.scrollWidth} px`);
  for (const el of document.querySelectorAll('body *')) {
    const r = el.getBoundingClientRect();
    if (r.width === 0 || r.height === 0 || el.closest('.unseen')) continue;
    if (r.left < -0.5 || r.right > width + 0.5) off.push(`${el.id || el.className || el.tagName} spans ${r.left.toFixed(1)} to ${r.right.toFixed(1)}`);
  }
  return off;
};

// Every target under 24 by 24 CSS px: text boxes, buttons, the items of an
// open list, check boxes and option buttons with their captions.
const SMALL = () => {
  const targets = document.querySelectorAll(
    '#window input[type=text], #window button, #window [role=option], #window .check, #window .option, dialog[open] button');
  return [...targets].map((el) => [el.id || el.parentElement.id + ' ' + el.className, el.getBoundingClientRect()])
    .filter(([, r]) => r.width > 0 && (r.width < 24 || r.height < 24))
    .map(([name, r]) => `${name} is ${r.width.toFixed(1)} by ${r.height.toFixed(1)}`);
};

// With WCAG's text spacing: the controls whose boxes overlap, and those
// whose text runs out of their box.
const SPACED = () => {
  const style = document.createElement('style');
  style.textContent = '* { line-height: 1.5 !important; letter-spacing: 0.12em !important; ' +
    'word-spacing: 0.16em !important; } p { margin-bottom: 2em !important; }';
  document.head.append(style);
  const found = [];
  const controls = [...document.querySelectorAll('#window .control')];
  const boxes = controls.map((el) => el.getBoundingClientRect());
  controls.forEach((el, i) => {
    if (el.scrollWidth > el.clientWidth + 1 || el.scrollHeight > el.clientHeight + 1) found.push(`the text of ${el.id} runs out of its box`);
    for (let j = i + 1; j < controls.length; ++j) {
      const [a, b] = [boxes[i], boxes[j]];
      if (a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5)
        found.push(`${el.id} overlaps ${controls[j].id}`);
    }
  });
  style.remove();
  return found;
};

const PLACED = (ids) => {
  const frame = document.getElementById('window').getBoundingClientRect();
  return Object.fromEntries(ids.map((id) => {
    const r = document.getElementById(id).getBoundingClientRect();
    return [id, [r.left - frame.left, r.top - frame.top, r.width, r.height]];
  }));
};

const AXE_RUN = async () => {
  const result = await axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']}});
  return result.violations.map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
};

async function checkAxe(page, width, state) {
  await page.evaluate(AXE);
  for (const v of await page.evaluate(AXE_RUN)) fault(width, `axe, ${state}: ${v}`);
}

async function load(page, url, width) {
  await page.setViewport({width, height: 800, deviceScaleFactor: 1});
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
}

async function clickMiddle(page, selector) {
  const el = await page.$(selector);
  await el.evaluate((e) => e.scrollIntoView({block: 'center'}));
  const box = await el.boundingBox();
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}

async function type(page, box, text) {
  await clickMiddle(page, `#${box}`);
  await page.keyboard.type(text);
}

// The typical use (tests/scripts/typical-use.script) with the mouse and keys.
async function typicalUse(page) {
  const pick = async (list, item) => {
    await clickMiddle(page, `#${list} .open`);
    await clickMiddle(page, `#${list}-list [role=option]:nth-child(${await page.$eval(`#${list}-list`,
      (l, text) => [...l.children].findIndex((o) => o.textContent === text) + 1, item)})`);
  };
  await pick('Combo1', '22');
  await type(page, 'Text2', '4000');
  await pick('Combo3', '200');
  await clickMiddle(page, '#Option1_1');
  await type(page, 'Text5', '6');
  await clickMiddle(page, '#Command1');
}

async function main() {
  const server = await serve(folder);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const profile = mkdtempSync(path.join(tmpdir(), 'layout-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROME_PATH || '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage', '--lang=tr-TR'],
  });
  try {
    const page = await browser.newPage();
    for (const width of [1024, 390, 320]) {
      const phone = width < 1024;
      await load(page, url, width);
      if (phone) {
        for (const off of await page.evaluate(OFF_SCREEN)) fault(width, `at start, ${off}`);
        for (const small of await page.evaluate(SMALL)) fault(width, `${small}`);
        for (const spaced of await page.evaluate(SPACED)) fault(width, `with text spacing, ${spaced}`);
      } else {
        const placed = await page.evaluate(PLACED, Object.keys(PLACES));
        for (const [id, want] of Object.entries(PLACES))
          if (placed[id].some((v, i) => Math.abs(v - want[i]) > 0.5)) fault(width, `${id} at [${placed[id].map((v) => v.toFixed(1))}], not [${want}]`);
      }
      if (width !== 320) await checkAxe(page, width, 'at start');

      // Each list open: inside the screen, with items a finger can hit.
      for (const list of ['Combo1', 'Combo2', 'Combo3']) {
        await clickMiddle(page, `#${list} .open`);
        if (phone) {
          for (const off of await page.evaluate(OFF_SCREEN)) fault(width, `${list} open, ${off}`);
          for (const small of await page.evaluate(SMALL)) fault(width, `${list} open, ${small}`);
        }
        if (list === 'Combo1' && width !== 320) await checkAxe(page, width, 'a list open');
        await page.keyboard.press('Escape');
      }

      // A fault: a belt length with a screw pulley and no motor pulley.
      if (width !== 320) {
        await type(page, 'Combo3 input', '10');
        await type(page, 'Text11', '2');
        await page.waitForFunction(() => document.getElementById('fault').open);
        await checkAxe(page, width, 'the fault dialog open');
        await load(page, url, width);
      }

      await typicalUse(page);
      if (phone) for (const off of await page.evaluate(OFF_SCREEN)) fault(width, `after the typical use, ${off}`);
      if (width !== 320) await checkAxe(page, width, 'after the typical use');
      if (shots) await page.screenshot({path: path.join(shots, `layout-${width}.png`), fullPage: true});
    }
  } finally {
    await browser.close();
    server.close();
    rmSync(profile, {recursive: true, force: true});
  }
  for (const f of faults) console.log('FAULT', f);
  console.log(faults.length ? `${faults.length} faults` : 'no fault at 1024, 390 and 320 px');
  return faults.length ? 1 : 0;
}

process.exitCode = await main();
