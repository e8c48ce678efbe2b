// SPDX-License-Identifier: GPL-3.0-or-later
// Every check of the page in browser engines: each engine's checks one after
// the other in one session of its browser, so that the suite starts each
// browser once, and the engines side by side, since a browser mostly waits:
//
//   node tests/web/session.mjs [--runner RUNNER] OUT --engine E JOB [-- JOB]... [--engine E JOB [-- JOB]...]...
//
// where E is chromium, firefox or webkit and a JOB is
//   play NAME PAGE SCRIPT...   plays the scenario scripts on PAGE (a folder
//                              served on 127.0.0.1, or an .html file opened
//                              from disk) as tools/script-web --out-dir does,
//                              into OUT/NAME/SCRIPT.out;
//   print NAME PAGE SCRIPT     plays the script, then the browser prints the
//                              page on A4 into OUT/NAME.pdf (not WebKit);
//   check NAME MODULE ARG...   runs the check that MODULE (web-check.mjs,
//                              update-check.mjs, layout.mjs) exports, with
//                              its arguments and RUNNER;
//   timed NAME MODULE ARG...   runs a check that times the page with no other
//                              job beside it: every engine's, one after the
//                              other, before the other jobs.
// Each job leaves its messages in OUT/NAME.log, last "status=N": 0 when it
// passed, otherwise 1, or for play and print the player's status (as
// kasnak-script's); and it prints its name, "ok" or "FAIL" and its time.  The
// tests named as the jobs judge what they left (tests/CMakeLists.txt); the
// session itself fails only when it is called wrongly.  Each job starts on an
// open tab at the desktop viewport (engines.mjs's VIEWPORT).
// WebKit needs an X display: run the session under tools/private-display.
import { mkdirSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { ENGINES, VIEWPORT, launch, program, serve } from './engines.mjs';
import { RUNNER, pageUrl, playScripts } from './script-web.mjs';

const HERE = path.dirname(fileURLToPath(import.meta.url));
const KINDS = { play: 2, print: 2, check: 1, timed: 1 }; // each with at least this many arguments
const played = (kind) => kind === 'play' || kind === 'print';

// Runs one job in the browser: its status, 0 when it passed.  print(...parts)
// writes a line of its log.
async function run(browser, runner, out, { kind, name, args }, print) {
  if (!played(kind)) {
    const { check } = await import(pathToFileURL(path.resolve(HERE, args[0])).href);
    return (await check(browser, args.slice(1), print, runner)) ? 0 : 1;
  }
  const [page, ...scripts] = args;
  const server = page.endsWith('.html') ? null : await serve(page);
  const log = { write: (text) => text.length && print(text.replace(/\n$/, '')) };
  try {
    const pdf = path.join(out, name + '.pdf');
    return await playScripts(browser, pageUrl(page, server), runner, scripts, {
      outDir: kind === 'play' ? path.join(out, name) : null, out: { write: () => true }, err: log,
      after: kind === 'print' ? () => browser.pdf(pdf) : null,
    });
  } finally {
    if (server) server.close();
  }
}

// Runs jobs in turn in an engine's browser ({ browser } or, when it did not
// start, { failure }).
async function runJobs({ browser, failure }, jobs, runner, out) {
  for (const job of jobs) {
    const lines = [];
    const print = (...parts) => lines.push(parts.join(' '));
    const start = Date.now();
    let status = 1;
    try {
      if (failure) throw failure;
      // A page that closed its window leaves none: goto opens another.
      await browser.goto('about:blank');
      await browser.setViewport(VIEWPORT.width, VIEWPORT.height);
      status = await run(browser, runner, out, job, print);
    } catch (problem) {
      print(`${job.name}: ${problem.stack ?? problem}`);
    }
    writeFileSync(path.join(out, job.name + '.log'), lines.map((line) => line + '\n').join('') + `status=${status}\n`);
    console.log(`${job.name}: ${status === 0 ? 'ok' : 'FAIL'} (${((Date.now() - start) / 1000).toFixed(1)} s)`);
  }
}

async function main(argv) {
  let runner = RUNNER;
  if (argv[0] === '--runner' && argv.length >= 2) [runner, argv] = [argv[1], argv.slice(2)];
  const [out, ...rest] = argv;
  // For each engine: --engine E, then its jobs, each up to the next "--"; no
  // word before the first engine.
  const split = (words, at) => words.reduce((runs, word) => (word === at ? runs.push([]) : runs.at(-1).push(word), runs), [[]]);
  const [{ engine: before }, ...lanes] = split(rest, '--engine').map(([engine, ...words]) =>
    ({ engine, jobs: split(words, '--').map(([kind, name, ...args]) => ({ kind, name, args })) }));
  const wellFormed = ({ kind, name, args }) => kind in KINDS && name && args.length >= KINDS[kind];
  if (!out || before !== undefined || lanes.length === 0 ||
      !lanes.every(({ engine, jobs }) => ENGINES.includes(engine) && jobs.length && jobs.every(wellFormed))) {
    process.stderr.write('usage: node tests/web/session.mjs [--runner RUNNER] OUT --engine chromium|firefox|webkit ' +
      'JOB [-- JOB]... [--engine ...]\n  JOB: play NAME PAGE SCRIPT... | print NAME PAGE SCRIPT | check NAME MODULE ARG... ' +
      '| timed NAME MODULE ARG...\n');
    return 2;
  }
  rmSync(out, { recursive: true, force: true });
  mkdirSync(out, { recursive: true });
  const browsers = await Promise.all(lanes.map(async ({ engine, jobs }) => {
    try {
      return { browser: await launch(engine, { fileAccess: jobs.some(({ kind, args }) => played(kind) && args[0].endsWith('.html')) }) };
    } catch (failure) {
      return { failure };
    }
  }));
  try {
    for (const [i, { jobs }] of lanes.entries()) await runJobs(browsers[i], jobs.filter(({ kind }) => kind === 'timed'), runner, out);
    await Promise.all(lanes.map(({ jobs }, i) => runJobs(browsers[i], jobs.filter(({ kind }) => kind !== 'timed'), runner, out)));
  } finally {
    await Promise.all(browsers.map(({ browser }) => browser?.close()));
  }
  return 0;
}

await program(import.meta.url, 'session', main);
