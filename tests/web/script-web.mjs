// SPDX-License-Identifier: GPL-3.0-or-later
// Plays scenario scripts on the page in a browser engine (Chromium, Firefox
// or WebKit), with real key and mouse input, and prints what the page shows in
// the format of kasnak-script.  tools/script-web runs it; its usage is USAGE.
//
// The script language is the core's: the native scenario runner parses each
// script ("kasnak-script --parse"), and this player only plays the actions it
// found.  The engines are driven through engines.mjs.  session.mjs plays
// scripts with playScripts in a browser that it shares with other checks.
import { spawnSync } from 'node:child_process';
import { accessSync, constants, createWriteStream, existsSync, mkdirSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { ENGINES, launch, program, serve } from './engines.mjs';

const USAGE = `Plays scenario scripts on the page in a browser engine, with real key and
mouse input, and prints what the page shows in the format of kasnak-script.

    tools/script-web [--engine E] [--runner RUNNER] PAGE SCRIPT
    tools/script-web [--engine E] [--runner RUNNER] PAGE --out-dir OUT SCRIPT...
    tools/script-web [--engine E] [--runner RUNNER] PAGE --screenshot PNG SCRIPT
    tools/script-web [--engine E] [--runner RUNNER] PAGE --pdf PDF SCRIPT

E is chromium (the default), firefox or webkit.  PAGE is a folder built by
tools/build-web, served on a free port of 127.0.0.1 for as long as the player
runs, or an .html file, opened as a file:// URL.  With one script the output
goes to standard output, messages to standard error, and the exit status is
kasnak-script's; with --screenshot the window as the script left it is saved
as a PNG picture (title bar included), and with --pdf the browser prints it
on A4 with its defaults (no background graphics; WebKit's driver cannot).
With --out-dir each script is played in a freshly loaded page of one browser
session and OUT/NAME.out receives its output followed by "status=N" (as
tools/play-scripts keeps it); its messages go to standard error after its
name.  WebKit needs an X display: run the player under tools/private-display.

The native scenario runner RUNNER (by default build/kasnak-script of this
source tree) parses each script with "kasnak-script --parse": the actions it
finds are played, and a malformed line is reported as kasnak-script reports
it, after the actions before it.  type presses one key per character into the
focused box at its end; edit selects all and inserts the new text as one
change; backspace presses End and Backspace; pick opens the list with its
button and chooses the item with the keyboard; click is a mouse click.  dump
reads the page's elements, a fault is read from its dialog, which is then
closed with "Tamam", advice reads the advice as the page shows it (and reads
the strip's list of every advice, unfolded with a click and folded again with
Escape), section the ordering and fitting section's visible lines and sheet its
figures, and "exit" is printed when the page shows that the program has ended.
From the page's load on, an advice announced again or not announced and an error
the page throws break the script at the next dump, advice, section or sheet.
`;

const HERE = path.dirname(fileURLToPath(import.meta.url));
// The native runner of this source tree's build.
export const RUNNER = path.normalize(path.join(HERE, '..', '..', 'build', 'kasnak-script'));

class Malformed extends Error {}
class Broken extends Error {}
// The page's window has closed, or shows that the program has ended.
class Ended extends Error {}

// The script as kasnak-script parses it: what it says of the scripts (the
// dumped controls and the exit statuses) or null when it could not read the
// script, the actions, the status and the messages.
export function parse(runner, script) {
  const parsed = spawnSync(runner, ['--parse', script], { maxBuffer: 1 << 30 });
  if (parsed.error) throw parsed.error;
  // One object a line, cut at line feeds only: a text may hold other line
  // breaks (U+0085, U+2028) as they are.
  const lines = parsed.stdout.toString('utf8').split('\n').filter((line) => line).map((line) => JSON.parse(line));
  return { header: lines[0] ?? null, actions: lines.slice(1), status: parsed.status, messages: parsed.stderr };
}

// ---- the page (functions run in the page)

// What a step of input left on the page: the fault dialog's message (or
// null), whether the page shows the program ended, and the focused element.
function outcome() {
  const dialog = document.getElementById('fault');
  const focused = document.activeElement && document.activeElement.closest('[id]');
  return [dialog.open ? document.getElementById('fault-message').textContent : null,
    !document.getElementById('ended').hidden, focused ? focused.id : ''];
}

// What a person hears, from the page's load on: each change announces the
// advice that is new, and none shown before it; the page throws no error.
// What went wrong, in window.kasnakHeard, which the page's readers report.
function listen() {
  const strip = document.getElementById('advice'), live = document.getElementById('announce');
  const wrong = window.kasnakHeard = [], lines = (text) => (text ? text.split('\n') : []);
  const heard = new MutationObserver((records) => {
    const written = records.find((r) => r.target === strip);
    const before = new Set(lines(written ? written.oldValue : strip.title));
    const said = records.some((r) => r.target !== strip) ? `; ${live.textContent}; ` : '';
    for (const text of lines(strip.title)) {
      if (before.has(text) === said.includes(`; ${text}; `)) wrong.push(`the live region ${before.has(text) ? 'says again' : 'does not say'} "${text}"`);
    }
  });
  heard.observe(strip, {attributeFilter: ['title'], attributeOldValue: true});
  heard.observe(live, {childList: true, characterData: true, subtree: true});
  addEventListener('error', (e) => wrong.push(`the page threw ${e.message}`));
}

// Writes text over the selection as one change, as a paste does (a deleting
// command when the new text is empty), then reports the outcome.  With
// selectAll it first selects all of the focused box, as Ctrl+A does.
const insertThenOutcome = `(text, selectAll) => {
  if (selectAll && document.activeElement.select) document.activeElement.select();
  document.execCommand(text ? 'insertText' : 'delete', false, text);
  return (${outcome})();
}`;

// What the page shows for the dumped controls, once every figure is whole
// somewhere a person reads it (its box, or its tool tip where the box cuts
// it: the page measures the figures in the frame after a change) and every
// result can be selected.  controls is the control table, as kasnak-script
// --controls gives it.
function shown(names, controls) {
  for (const el of document.querySelectorAll('#window .control')) {
    const box = el.matches('input') ? el : (el.querySelector('input[type=text]') || (el.matches('.output') && el));
    // A control's own tool tip, wherever the pointer rests on it.
    const own = controls.find((def) => def.id === el.id).toolTip;
    if (own && !box && [el, ...el.querySelectorAll('input')].some((e) => e.closest('[title]')?.title !== own)) throw new Error(`${el.id} loses its tool tip "${own}"`);
    if (!box) continue;
    const text = box.matches('input') ? box.value : box.textContent;
    if (box.scrollWidth > box.clientWidth && box.title !== text) {
      throw new Error(`${el.id} cuts "${text}" without it whole in its tool tip`);
    }
    if (box.matches('.output') && getComputedStyle(box).userSelect === 'none') {
      throw new Error(`the result of ${el.id} cannot be selected`);
    }
  }
  return names.map((name) => {
    const el = document.getElementById(name);
    if (!el) {
      // A group of option buttons, named as its buttons' group: the index of
      // the selected one.
      const on = [...document.querySelectorAll('input[type=radio]')].filter((b) => b.name === name)
        .findIndex((b) => b.checked);
      return on < 0 ? 'none' : String(on);
    }
    if (el.classList.contains('check')) return el.querySelector('input').checked ? '1' : '0';
    const input = el.matches('input') ? el : el.querySelector('input');
    return input ? input.value : el.textContent;
  });
}

// Where the mouse hits each control: the middle of its box, its list button,
// or its check box or option button, in CSS pixels of the viewport.  The page
// does not scroll and its layout is fixed, so they are read once a load.
function targets() {
  const spots = {}, middle = (r) => [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)];
  for (const el of document.querySelectorAll('#window .control')) {
    spots[el.id] = middle((el.querySelector('input') || el).getBoundingClientRect());
    const open = el.querySelector('.open');
    if (open) spots[el.id + '.open'] = middle(open.getBoundingClientRect());
  }
  return spots;
}

// The advice as a person sees it, once the strip and the marks agree: the
// codes of what the page shows; the strip as a screen reader reads it, which
// shows its first advice and how many more follow (within the strip's box);
// and each marked control's advice, one a line, as its description gives
// it, in the order of the model's control table.  The page writes the advice
// once the change is painted: read once it has.
function adviceShown(controls) {
  const strip = document.getElementById('advice');
  const codes = strip.dataset.codes;
  const count = codes ? codes.split(' ').length : 0;
  const first = strip.querySelector('.first').textContent;
  const more = strip.querySelector('.more');
  const line = strip.getAttribute('aria-label') ?? '';
  const texts = strip.title ? strip.title.split('\n') : [];
  const inside = (a, b) => a.left >= b.left && a.right <= b.right && a.width > 0;
  if ((first === '') !== (count === 0) || !line.startsWith(first) || more.textContent !== line.slice(first.length).trim() ||
      texts.length !== count || first !== (texts[0] ?? '') ||
      (count > 1 && strip.offsetParent && !inside(more.getBoundingClientRect(), strip.getBoundingClientRect()))) {
    throw new Error(`the advice strip shows "${first} ${more.textContent}" for "${codes}"`);
  }
  const marks = [];
  for (const el of controls.map((def) => document.getElementById(def.id))) {
    const target = el.matches('input') ? el : (el.querySelector('input') || el);
    const note = document.getElementById(target.getAttribute('aria-describedby') ?? '');
    if (el.classList.contains('advised') !== Boolean(note && note.textContent)) {
      throw new Error(`the mark of ${el.id} does not match its description`);
    }
    if (note && !(note.textContent && note.getClientRects().length)) throw new Error(`${el.id} is described by ${note.textContent ? 'a note not shown under its group' : 'an empty note'}`);
    if (note && note.textContent) for (const line of note.textContent.split('\n')) marks.push(`mark ${el.id}=${line}`);
  }
  const r = strip.getBoundingClientRect();
  const spot = count && strip.offsetParent ? [r.left + r.width / 2, r.top + r.height / 2] : null;
  return [codes, line, marks, spot];
}

// The strip unfolded: its list shows every advice of the tool tip in order,
// below the form's controls.  What differs, or null.
function unfolded() {
  const strip = document.getElementById('advice'), list = document.getElementById(strip.getAttribute('aria-controls'));
  const texts = list.getClientRects().length && strip.ariaExpanded === 'true' ? [...list.children].map((li) => li.textContent) : null;
  if (texts?.join('\n') !== strip.title) return `the unfolded strip lists ${texts ? texts.join(' | ') : 'nothing'}`;
  return list.getBoundingClientRect().top < document.getElementById('window').getBoundingClientRect().bottom - 0.5 ? 'the unfolded strip covers the form' : null;
}

// The ordering and fitting section as a person sees it: its figures (the
// section's data-figures, from the core) and its visible lines, none while it
// is hidden.  Every figure written in digits stands in a visible line, and the
// lines can be selected and copied.  Read once the page has written it.
function sectionShown() {
  const section = document.getElementById('sheet');
  const figures = section.dataset.figures;
  const seen = !section.hidden && section.getClientRects().length > 0;
  const lines = seen ? [...section.querySelectorAll('li')].filter((li) => li.getClientRects().length).map((li) => li.textContent) : [];
  const text = lines.join('\n');
  const missing = figures.split(/[ :]/).filter((value) => /[0-9]/.test(value) && !text.includes(value));
  if (missing.length || (figures && !lines.length)) throw new Error(`the section shows no ${missing[0] ?? 'line'} of its figures "${figures}"`);
  if (seen && getComputedStyle(section.querySelector('ul')).userSelect === 'none') throw new Error('the section cannot be selected');
  return [figures, lines];
}

export function items(id) {
  return [...document.querySelectorAll('#' + id + ' [role=option]')].map((o) => o.textContent);
}

// ---- playing

// A character that no key press types: control characters, and the code
// points WebDriver reads as named keys.
function noKeyTypes(ch) {
  const code = ch.codePointAt(0);
  return code < 0x20 || (code >= 0x7f && code < 0xa0) || (code >= 0xe000 && code <= 0xf8ff);
}

// The fewest keys of the open list that reach a row: from the first or the
// last item, ten at a time with Page Down.
function stepsTo(row, count) {
  const ways = [['Home', ...Array(row).fill('ArrowDown')],
    ['End', ...Array(count - 1 - row).fill('ArrowUp')],
    ['Home', ...Array(Math.floor(row / 10)).fill('PageDown'), ...Array(row % 10).fill('ArrowDown')]];
  return ways.reduce((best, way) => (way.length < best.length ? way : best));
}

class PagePlayer {
  // The header, as kasnak-script --parse gives it, holds the exit statuses.
  constructor(browser, url, out, header, controls) {
    Object.assign(this, { browser, url, out, dumped: header.dumped, faults: new Map(Object.entries(header.faults)), statuses: header, controls });
  }

  async load() {
    await this.browser.goto(this.url);
    await this.browser.ready();
    await this.browser.evaluate(listen);
    this.spots = await this.browser.evaluate(targets);
  }

  // One call of the browser; the page's window having closed is the end.
  async step(call) {
    try {
      return await call(this.browser);
    } catch (failure) {
      if (await this.browser.closed()) throw new Ended();
      throw failure;
    }
  }

  // Runs a function in the page.
  run(fn, ...args) { return this.step((b) => b.evaluate(fn, ...args)); }

  // Runs a function in the page once it shows all of the last change and
  // nothing went wrong that a person hears (listen).
  async read(fn, ...args) {
    await this.step((b) => b.settled());
    const [wrong] = await this.run(() => window.kasnakHeard);
    if (wrong) throw new Error(wrong);
    return this.run(fn, ...args);
  }

  click(spot) { return this.step((b) => b.clickAt(...this.spots[spot])); }

  press(key) { return this.step((b) => b.press(key)); }

  // After a step of input: reports a fault dialog and closes it with Tamam;
  // notes the end.  The focused element's id.
  async settle(seen) {
    let [message, ended, focused] = seen ?? (await this.run(outcome));
    if (message !== null) {
      if (!this.faults.has(message)) throw new Broken('a dialog names no fault: ' + message);
      this.out.write(`fault=${this.faults.get(message)}\n`);
      await this.step((b) => b.click('#fault-ok'));
      [message, ended, focused] = await this.run(outcome);
      if (message !== null) throw new Broken('the fault dialog did not close');
    }
    if (ended) throw new Ended();
    return focused;
  }

  // Plays one action as kasnak-script --parse gives it.
  async play(action) {
    const { verb } = action;
    if (verb === 'dump') {
      const values = await this.read(shown, this.dumped, this.controls);
      this.dumped.forEach((name, i) => this.out.write(`${name}=${values[i]}\n`));
      this.out.write('--\n');
      return;
    }
    if (verb === 'advice') {
      const [codes, strip, marks, spot] = await this.read(adviceShown, this.controls);
      this.out.write(`advice=${codes}\n`);
      if (codes) this.out.write(`strip=${strip}\n`);
      for (const mark of marks) this.out.write(`${mark}\n`);
      if (spot) { // every advice, in the strip unfolded by a click; Escape folds it
        await this.step((b) => b.clickAt(...spot));
        const fault = await this.run(unfolded);
        await this.press('Escape');
        if (fault) throw new Error(fault);
      }
      return;
    }
    if (verb === 'sheet' || verb === 'section') {
      const [figures, lines] = await this.read(sectionShown);
      if (verb === 'sheet') this.out.write(`sheet=${figures}\n`);
      else for (const line of lines.length ? lines : ['']) this.out.write(`section=${line}\n`);
      return;
    }
    if ('refused' in action) throw new Malformed(action.refused);
    const { id: spot, text } = action;
    if (verb === 'type') {
      await this.type(spot, text);
    } else if (verb === 'edit') {
      await this.click(spot);
      await this.settle(await this.run(insertThenOutcome, text, true));
    } else if (verb === 'backspace') {
      await this.click(spot);
      await this.press('End');
      await this.press('Backspace');
      await this.settle();
    } else if (verb === 'pick') {
      await this.pick(spot, text, action.notAnItem);
    } else if (verb === 'click') {
      await this.click(spot);
      await this.settle();
    }
  }

  async type(spot, text) {
    await this.click(spot);
    await this.press('End');
    for (const ch of text) {
      let seen = null;
      if (noKeyTypes(ch)) seen = await this.run(insertThenOutcome, ch);
      else await this.press(ch);
      if ((await this.settle(seen)) !== spot) {
        await this.click(spot);
        await this.press('End');
      }
    }
  }

  async pick(spot, item, notAnItem) {
    await this.click(spot + '.open');
    const shownItems = await this.run(items, spot);
    const row = shownItems.indexOf(item);
    if (row < 0) {
      await this.press('Escape');
      throw new Malformed(notAnItem);
    }
    for (const key of stepsTo(row, shownItems.length)) await this.press(key);
    await this.press('Enter');
    await this.settle();
  }

  // Plays the actions that kasnak-script --parse found, which ended with its
  // status and messages; kasnak-script's exit status.
  async playScript(actions, status, messages, err) {
    let line = 0;
    try {
      for (const action of actions) {
        line = action.line;
        try {
          await this.play(action);
        } catch (problem) {
          if (problem instanceof Malformed) {
            err.write(`kasnak-script: line ${line}: ${problem.message}\n`);
            return this.statuses.malformed;
          }
          if (problem instanceof Ended) {
            this.out.write('exit\n');
            return this.statuses.played;
          }
          throw problem;
        }
      }
    } catch (failure) {
      err.write(`kasnak-script: line ${line}: ${failure.message ?? failure}\n`);
      return this.statuses.broken;
    }
    err.write(messages);
    return status;
  }
}

// ---- the command

// Writes text, or bytes, to a stream and waits until they are handed on.
const flushed = (stream) => new Promise((resolve) => stream.write('', resolve));

// Plays scripts in an open browser (engines.mjs) on the page at url, each in a
// freshly loaded page, with the native runner RUNNER.  Without outDir the
// output goes to out and the messages to err; with it OUT/NAME.out receives
// each script's output followed by "status=N", and err its messages after its
// name.  after(), when given, runs after each script.  The status of the last
// script, as kasnak-script gives it.
export async function playScripts(browser, url, runner, scripts,
  { outDir = null, out = process.stdout, err = process.stderr, after = null } = {}) {
  const { header } = parse(runner, '/dev/null');
  const { controls } = JSON.parse(spawnSync(runner, ['--controls']).stdout.toString('utf8'));
  let status = header.played;
  if (outDir !== null) mkdirSync(outDir, { recursive: true });
  for (const script of scripts) {
    const parsed = parse(runner, script);
    if (parsed.header === null) {
      // Not read at all: the runner says why.
      err.write(parsed.messages);
      status = parsed.status;
      continue;
    }
    let scriptOut = out, scriptErr = err;
    if (outDir !== null) {
      const name = path.basename(script).replace(/\.script$/, '');
      scriptOut = createWriteStream(path.join(outDir, name + '.out'));
      scriptErr = { write: (message) => message.length && err.write(`${name}: ${message}`) };
    }
    const player = new PagePlayer(browser, url, scriptOut, parsed.header, controls);
    await player.load();
    status = await player.playScript(parsed.actions, parsed.status, parsed.messages, scriptErr);
    if (outDir !== null) {
      scriptOut.write(`status=${status}\n`);
      await new Promise((resolve) => scriptOut.end(resolve));
    }
    if (after) await after();
  }
  return status;
}

// The address of a page: a folder served by server, or an .html file.
export const pageUrl = (page, server) => (server ? `${server.url()}index.html` : pathToFileURL(path.resolve(page)).href);

async function main(argv) {
  let engine = 'chromium';
  let runner = RUNNER;
  for (;;) {
    if (argv.length >= 2 && argv[0] === '--engine') [engine, argv] = [argv[1], argv.slice(2)];
    else if (argv.length >= 2 && argv[0] === '--runner') [runner, argv] = [argv[1], argv.slice(2)];
    else break;
  }
  if (!ENGINES.includes(engine)) {
    process.stderr.write(`kasnak-script: no engine ${engine} (one of ${ENGINES.join(', ')})\n`);
    return 2;
  }
  try {
    accessSync(runner, constants.X_OK);
  } catch {
    process.stderr.write(`kasnak-script: no runner ${runner} (build kasnak-script, or name it with --runner)\n`);
    return 1;
  }
  // What kasnak-script says of every script: its exit statuses among it.
  const { header: statuses } = parse(runner, '/dev/null');
  // PAGE, then --out-dir OUT and any scripts, or one script after --screenshot PNG, --pdf PDF or nothing.
  const [page, option, file] = argv;
  const scripts = argv.slice(['--out-dir', '--screenshot', '--pdf'].includes(option) ? 3 : 1);
  if (option === '--out-dir' ? argv.length < 3 : scripts.length !== 1) {
    process.stderr.write(USAGE);
    return statuses.malformed;
  }
  // A page folder is served; an .html file is opened as it is.
  const single = page.endsWith('.html');
  if (!existsSync(single ? page : path.join(page, 'index.html'))) {
    process.stderr.write(`kasnak-script: no page in ${page} (build it with tools/build-web)\n`);
    return statuses.malformed;
  }
  const server = single ? null : await serve(page);
  let browser = null;
  try {
    browser = await launch(engine, { fileAccess: single });
    return await playScripts(browser, pageUrl(page, server), runner, scripts, { outDir: option === '--out-dir' ? file : null,
      after: async () => {
        if (option === '--screenshot') await browser.screenshotElement('#frame', file);
        if (option === '--pdf') await browser.pdf(file);
      } });
  } finally {
    if (browser) await browser.close();
    if (server) server.close();
    await flushed(process.stdout);
    await flushed(process.stderr);
  }
}

// Run as a program (not imported by session.mjs).
await program(import.meta.url, 'kasnak-script', main);
