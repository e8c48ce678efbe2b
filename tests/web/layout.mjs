// SPDX-License-Identifier: GPL-3.0-or-later
// node tests/web/layout.mjs [--engine E] [--script SCRIPT] PAGE_DIR [SHOT_DIR]: the page on any screen, in a browser engine.
// Faults caught: at 390 and 320 px, something off the screen (sideways scroll, a box or open list
// past an edge), a target under 24x24 px (box, button, list button, open list's item, check or option
// box with its caption, the section's copy button), with WCAG text spacing boxes that overlap (the
// ordering and fitting section among them), the section after Çıkış or missing after the typical use, an
// advice not readable right under its control's group;
// at 1024x768, 1280x800 and 1920x1080 (resized both ways), a scroll bar, the panel not filling the smaller
// side, a control away from today's place scaled, text under 13 px; at 1024 px, the section off the window's
// width or over the advice, its copy button not copying the core's report (kasnak-script --report), the advice strip not unfolding with
// Enter or folding with Escape; at 1024 and 390 px, an axe-core finding (WCAG 2.2 AA, best practice) at start, with
// a list open, with the fault dialog open, after the typical use, at 1024 px unfolded.  SHOT_DIR gets layout-WIDTH.png.
// The typical use is the scenario script SCRIPT (--script, by default tests/scripts/typical-use.script), as
// kasnak-script --parse reads it.  Run by session.mjs in each engine's session, or by itself (engines.mjs's alone).
import {spawnSync} from 'node:child_process';
import {readFile} from 'node:fs/promises';
import {createRequire} from 'node:module';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import {alone, serve} from './engines.mjs';
import {RUNNER, items, parse} from './script-web.mjs';

const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const places = {'Text2': [80, 48, 49, 19], 'Combo1': [256, 16, 57, 21], 'Option1_2': [216, 120, 41, 25],
  'chkKompakt': [352, 16, 97, 17], 'Command3': [360, 240, 81, 25], 'Label15': [264, 272, 169, 17]};

const TYPICAL_USE = fileURLToPath(new URL('../scripts/typical-use.script', import.meta.url));
export async function check(browser, args, print, runner = RUNNER) {
  const [script, [folder, shots]] = args[0] === '--script' ? [args[1], args.slice(2)] : [TYPICAL_USE, args];
  const typical = parse(runner, script).actions;
  const server = await serve(folder);
  const faults = [];

  const phoneFaults = (spaced) => {
    const found = [], width = document.documentElement.clientWidth, box = (el) => el.getBoundingClientRect();
    if (document.documentElement.scrollWidth > width) found.push('the page scrolls sideways');
    for (const el of document.querySelectorAll('body *:not(.unseen)')) {
      const r = box(el), name = el.id || el.parentElement.id;
      if (r.width && r.height && (r.left < -0.5 || r.right > width + 0.5)) found.push(`${name} off the screen`);
      if (el.matches('#window :is(input[type=text], button, [role=option], .check, .option), #sheet button') && r.width && (r.width < 24 || r.height < 24)) found.push(`${name} is ${r.width}x${r.height}`);
    }
    for (const el of document.querySelectorAll('#window .advised')) { // its advice, readable right under its group
      const note = box(document.getElementById((el.querySelector('input') || el).getAttribute('aria-describedby'))), group = box(el.closest('.group'));
      if (note.height < 16 || Math.abs(note.top - group.bottom) > 8) found.push(`the advice on ${el.id} at ${note.top}, not under its group at ${group.bottom}`);
    }
    const style = document.head.appendChild(document.createElement('style'));
    if (spaced) style.textContent = '* {line-height: 1.5 !important; letter-spacing: .12em !important; word-spacing: .16em !important}';
    const boxes = [...document.querySelectorAll('#window .control, #sheet:not([hidden])')].map((el) => [el.id, box(el)]);
    const sheet = document.getElementById('sheet');
    if (!sheet.hidden && box(sheet).bottom > box(document.querySelector('.group.ends')).top + 0.5) found.push('the section stands after Çıkış');
    for (const [i, [a, r]] of boxes.entries()) for (const [b, s] of boxes.slice(i + 1))
      if (r.left < s.right - 0.5 && s.left < r.right - 0.5 && r.top < s.bottom - 0.5 && s.top < r.bottom - 0.5) found.push(`${a} overlaps ${b}`);
    style.remove();
    return found;
  };
  // The desktop layout: no scroll bar, the panel scaled to fill the smaller side, every control at its place scaled.
  const desktopFaults = (places) => {
    const s = document.scrollingElement, win = document.getElementById('window'), w = win.getBoundingClientRect();
    const scale = w.width / win.offsetWidth, frame = document.getElementById('frame').getBoundingClientRect();
    const found = s.scrollWidth > innerWidth || s.scrollHeight > innerHeight ? ['a scroll bar'] : [];
    if (frame.bottom < innerHeight - 25 && frame.width < innerWidth - 49) found.push(`the panel at ${scale} fills no side`);
    for (const [id, want] of Object.entries(places)) {
      const r = document.getElementById(id).getBoundingClientRect(), got = [r.left - w.left, r.top - w.top, r.width, r.height];
      if (got.some((v, k) => Math.abs(v / scale - want[k]) > 0.5)) found.push(`${id} at ${got} by ${scale}`);
    }
    const small = [...document.querySelectorAll('#window :is(.output, input)')].filter((el) => parseFloat(getComputedStyle(el).fontSize) * scale < 13);
    return small.length ? [...found, `text under 13 px in ${small.map((el) => el.closest('.control').id)}`] : found;
  };
  const desktop = async (size, state) => faults.push(...(await browser.evaluate(desktopFaults, places)).map((f) => `${size}, ${state}: ${f}`));
  const axeFaults = async () => (await axe.run({runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']}))
    .violations.map((v) => `axe ${v.id} (${v.impact}) on ${v.nodes.map((n) => n.target).join(', ')}`);
  const inspect = async (width, state, {geometry = width < 1024, axe = width !== 320, spaced = false} = {}) => {
    if (axe) await browser.evaluate(`() => {\n${axeSource}\n}`);
    const found = [...(geometry ? await browser.evaluate(phoneFaults, spaced) : []), ...(axe ? await browser.evaluate(axeFaults) : [])];
    faults.push(...found.map((f) => `${width} px, ${state}: ${f}`));
  };
  const load = async (width) => {
    await browser.setViewport(width, 800);
    await browser.goto(server.url());
    await browser.ready();
  };
  // Each action, and what the page writes once it is painted.
  const click = async (selector) => { await browser.click(selector); await browser.settled(); };
  const type = async (box, text) => {
    await click(`#${box}`);
    await browser.press('End');
    for (const ch of text) await browser.press(ch);
    await browser.settled();
  };
  const pick = async (list, item) => {
    await click(`#${list} .open`);
    await click(`#${list}-item-${(await browser.evaluate(items, list)).indexOf(item)}`);
  };
  const play = {pick: ({id, text}) => pick(id, text), type: ({id, text}) => type(id, text), click: ({id}) => click(`#${id}`), dump: () => {}};

  for (const width of [1024, 390, 320]) {
    await load(width);
    await inspect(width, 'at start', {spaced: true});
    for (const list of ['Combo1', 'Combo2', 'Combo3']) {
      await click(`#${list} .open`);
      await inspect(width, `${list} open`, {axe: list === 'Combo1' && width !== 320});
      await browser.press('Escape');
    }
    if (width !== 320) {
      await type('Combo3 input', '10');  // a belt length with no motor pulley: a fault
      await type('Text11', '2');
      await inspect(width, 'the fault dialog open', {geometry: false});
      await load(width);
    }
    for (const action of typical) {
      if (!play[action.verb]) throw new Error(`line ${action.line} of ${script}: no ${action.verb} in the layout's play`);
      await play[action.verb](action);
    }
    const power = await browser.evaluate(() => document.getElementById('Text13').value);
    if (power !== '16.31') faults.push(`${width} px: the typical use gives ${power} kW, not 16.31`);
    if (await browser.evaluate(() => document.getElementById('sheet').hidden)) faults.push(`${width} px: no section after the typical use`);
    if (width === 1024) {
      const [sheet, win, advice] = await browser.evaluate(() => ['sheet', 'window', 'advice'].map((id) => document.getElementById(id).getBoundingClientRect().toJSON()));
      if (Math.abs(sheet.left - win.left) > 0.5 || Math.abs(sheet.right - win.right) > 0.5 || sheet.top < advice.bottom - 0.5) faults.push(`1024 px: the section at ${JSON.stringify(sheet)}`);
      // The button's captions, from a model of the page's own module; the report, from the native runner.
      const [facts, report] = [await browser.evaluate(async () => (await KasnakModel()).sheetFacts()), spawnSync(runner, ['--report', script]).stdout.toString('utf8')];
      await click('#sheet-copy');
      const said = await browser.evaluate(async (copy) => {
        const button = document.getElementById('sheet-copy');
        for (const end = Date.now() + 30000; button.textContent === copy && Date.now() < end;) await new Promise((r) => setTimeout(r, 10));
        return button.textContent;
      }, facts.copyCaption);
      if (said !== facts.copiedCaption || (await browser.clipboard()) !== report) faults.push('1024 px: the copy button does not copy the report');
      const unfolded = () => browser.evaluate(() => { const list = document.getElementById('advice-list'); return list.previousElementSibling.ariaExpanded + !list.hidden; });
      await browser.evaluate(() => document.getElementById('advice').focus());
      await browser.press('Enter');
      await inspect(width, 'the advice strip unfolded', {geometry: false});
      const folds = [await unfolded(), await browser.press('Escape'), await unfolded()].join();
      if (folds !== 'truetrue,,falsefalse') faults.push(`1024 px: the strip after Enter, Escape: ${folds}`);
      for (const [w, h] of [[1280, 800], [1920, 1080], [1024, 768]]) { // the browser's window grows and shrinks
        await browser.setViewport(w, h);
        await browser.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => drawn())));
        await desktop(`${w}x${h}`, 'after the typical use, resized');
      }
    }
    await inspect(width, 'after the typical use');
    if (shots) await browser.screenshot(path.join(shots, `layout-${width}.png`));
  }
  server.close();
  for (const f of faults) print('FAULT', f);
  print(faults.length ? `${faults.length} faults` : 'no fault');
  return faults.length === 0;
}

await alone(import.meta.url, check);
