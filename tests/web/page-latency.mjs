// SPDX-License-Identifier: GPL-3.0-or-later
// How long the page takes to answer a person, a measurement of Chromium alone
// (CDP's processor slowing and tracing): tools/page-latency runs it; its usage
// is USAGE.  Every event that the browser's Event Timing reports is the time
// from the input to the next paint, from 16 ms.  It builds nothing.
import { writeFileSync } from 'node:fs';
import path from 'node:path';
import { launch, middle, program, serve } from './engines.mjs';
import { items } from './script-web.mjs';

const USAGE = `usage: tools/page-latency [--rate RATE] [--limit MS] [--runs N] [--trace FILE] [--quiet] PAGE

PAGE is a folder built by tools/build-web, served on 127.0.0.1.  The typical
use (tests/scripts/typical-use.script) is typed and clicked with real pointer
and key input in Chromium RUNS times (1 by default), each in a freshly loaded
page, with the processor slowed RATE times (4 by default, as Lighthouse takes
a phone) from the moment the page is ready.  Each event of each run is printed
as "run type target duration", then each run's worst (--quiet: the worst
alone); with several runs, each event of 40 ms or more as the median of its
runs, and the median of the runs' worst.  The exit status is 1 when that worst
is longer than MS milliseconds (no limit by default).  --trace FILE keeps a
Chromium performance trace of the last run.
`;

// The typical use, as tests/scripts/typical-use.script has it, as a person
// plays it: a list opened with its button and its item clicked; a list
// opened with Alt+Down and its item picked with Enter; boxes clicked and
// typed into; an option button and a button clicked.
const TYPICAL = [
  ['pick-click', 'Combo1', '22'],
  ['type', 'Text2', '4000'],
  ['pick-enter', 'Combo3', '200'],
  ['click', 'Option1_1'],
  ['type', 'Text5', '6'],
  ['click', 'Command1'],
];

// In the page: collects every event the browser times, with the id of the
// element nearest its target that has one.
function observe() {
  window.latency = [];
  new PerformanceObserver((list) => {
    for (const e of list.getEntries()) {
      const target = e.target && e.target.closest ? e.target.closest('[id]') : null;
      window.latency.push({ type: e.name, target: target ? target.id : '', duration: e.duration,
        start: e.startTime, interaction: e.interactionId });
    }
  }).observe({ type: 'event', durationThreshold: 16 });
}

// In the page: once the page is drawn after the last input and the browser
// has had the time to report its events.
const painted = () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(done, 30))));

// The keys of an open list that reach its item: from the first, as a person
// goes down the list.
async function keysTo(b, id, item) {
  const row = (await b.evaluate(items, id)).indexOf(item);
  if (row < 0) throw new Error(`${item} is not an item of ${id}`);
  return ['Home', ...Array(Math.floor(row / 10)).fill('PageDown'), ...Array(row % 10).fill('ArrowDown')];
}

async function play(b) {
  const page = b.page;
  const step = async (input) => {
    await input();
    await b.evaluate(painted);
  };
  // As a person does: the pointer moved onto the element, pressed, let go;
  // a key pressed and let go, each seen painted before the next.
  const click = async (selector) => {
    const [x, y] = await b.evaluate(middle, selector);
    await step(() => page.mouse.move(Math.round(x), Math.round(y)));
    await step(() => page.mouse.down());
    await step(() => page.mouse.up());
  };
  const press = async (key) => {
    await step(() => page.keyboard.down(key));
    await step(() => page.keyboard.up(key));
  };
  for (const [verb, id, text] of TYPICAL) {
    if (verb === 'click') {
      await click(`#${id} input, #${id}`);
    } else if (verb === 'type') {
      await click(`#${id}`);
      await press('End');
      for (const ch of text) await press(ch);
    } else if (verb === 'pick-click') {
      await click(`#${id} .open`);
      for (const key of await keysTo(b, id, text)) await press(key);
      await click(`#${id}-item-${(await b.evaluate(items, id)).indexOf(text)}`);
    } else if (verb === 'pick-enter') {
      await click(`#${id} input`);
      await step(() => page.keyboard.down('Alt'));
      await press('ArrowDown');
      await step(() => page.keyboard.up('Alt'));
      for (const key of await keysTo(b, id, text)) await press(key);
      await press('Enter');
    }
  }
  await new Promise((r) => setTimeout(r, 200));
  await b.evaluate(painted);
  return b.evaluate(() => window.latency);
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const mid = sorted.length >> 1;
  return sorted.length % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
};

async function main(argv) {
  const opts = { rate: 4, limit: Infinity, runs: 1, trace: null, quiet: false };
  while (argv.length >= 2 && argv[0].startsWith('--')) {
    const name = argv.shift().slice(2);
    if (name === 'quiet') opts.quiet = true;
    else if (name in opts) opts[name] = name === 'trace' ? argv.shift() : Number(argv.shift());
    else argv = [];
  }
  if (argv.length !== 1 || !(opts.rate >= 1) || !(opts.runs >= 1)) {
    process.stderr.write(USAGE);
    return 2;
  }
  const server = await serve(argv[0]);
  const b = await launch('chromium');
  const worsts = [];
  const played = [];
  try {
    const cdp = await b.page.createCDPSession();
    for (let run = 1; run <= opts.runs; run++) {
      await cdp.send('Emulation.setCPUThrottlingRate', { rate: 1 });
      await b.goto(`${server.url()}index.html`);
      await b.ready();
      await b.evaluate(observe);
      await cdp.send('Emulation.setCPUThrottlingRate', { rate: opts.rate });
      const tracing = opts.trace && run === opts.runs;
      if (tracing) {
        await b.page.tracing.start({ path: path.resolve(opts.trace), screenshots: false, categories: [
          '-*', 'devtools.timeline', 'v8.execute', 'disabled-by-default-devtools.timeline',
          'disabled-by-default-devtools.timeline.frame', 'toplevel', 'blink.user_timing', 'latencyInfo',
          'disabled-by-default-devtools.timeline.stack', 'disabled-by-default-v8.cpu_profiler',
          'devtools.timeline.invalidationTracking', 'disabled-by-default-devtools.timeline.invalidationTracking',
          'blink', 'cc', 'input'] });
      }
      const events = await play(b);
      played.push(events);
      if (tracing) await b.page.tracing.stop();
      if (!opts.quiet) for (const e of events) console.log(`${run} ${e.type} ${e.target || '-'} ${Math.round(e.duration)}`);
      const worst = events.reduce((w, e) => (e.duration > w.duration ? e : w), { type: '-', target: '', duration: 0 });
      console.log(`${run} worst ${worst.type} ${worst.target || '-'} ${Math.round(worst.duration)}`);
      worsts.push(worst.duration);
    }
  } finally {
    await b.close();
    server.stop();
  }
  const worst = median(worsts);
  if (opts.runs > 1) {
    // Each event of the typical use (its type, target and how many such
    // came before it in the run), the median of its runs, from the longest.
    const runsOf = new Map();
    for (const events of played) {
      const seen = new Map();
      for (const e of events) {
        const name = `${e.type} ${e.target || '-'}`;
        seen.set(name, (seen.get(name) ?? 0) + 1);
        const key = `${name} #${seen.get(name)}`;
        runsOf.set(key, [...(runsOf.get(key) ?? []), e.duration]);
      }
    }
    const medians = [...runsOf].map(([key, d]) => [key, median([...d, ...Array(opts.runs - d.length).fill(0)])]);
    for (const [key, m] of medians.sort((a, b) => b[1] - a[1]).filter(([, m]) => m >= 40)) console.log(`median ${key} ${Math.round(m)}`);
    console.log(`median of the worst: ${Math.round(worst)} ms (${worsts.map(Math.round).join(', ')}), rate ${opts.rate}`);
  }
  return worst > opts.limit ? 1 : 0;
}

await program(import.meta.url, 'page-latency', main);
