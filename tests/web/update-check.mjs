// SPDX-License-Identifier: GPL-3.0-or-later
// node tests/web/update-check.mjs [--engine E] PAGE EMSCRIPTEN_BUILD: a release of the page built in PAGE from
// this tree, served with Last-Modified alone, is followed by another (built with a changed view.js),
// which runs on the second load after it, online and offline.  The fault it catches: a service
// worker that fills its new cache from the browser's HTTP cache, where the old view.js stays fresh
// by its age, and keeps running it.  Run by session.mjs in each engine's session, or by itself
// (engines.mjs's alone).  The engines side by side build in EMSCRIPTEN_BUILD one at a time (flock).
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { alone, serve } from './engines.mjs';

const root = fileURLToPath(new URL('../..', import.meta.url));

export async function check(browser, [built, emscripten], print) {
  const scratch = mkdtempSync(path.join(os.tmpdir(), 'web-update-'));
  const [web, site] = [path.join(scratch, 'web'), path.join(scratch, 'site')];
  cpSync(path.join(root, 'web'), web, { recursive: true });
  cpSync(built, site, { recursive: true });
  execFileSync('find', [site, '-type', 'f', '-exec', 'touch', '-d', '1 year ago', '{}', '+']);
  const server = await serve(site);
  const url = server.url();
  let passed = true;
  // Waits for an active service worker and for the page's one cache to be another than old, and
  // gives its name.
  const newCache = (old) => browser.evaluate(async (old) => {
    await navigator.serviceWorker.ready;
    for (;;) {
      const names = await caches.keys();
      if (names.length === 1 && names[0] !== old) return names[0];
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }, old);
  try {
    await browser.goto(url);
    await browser.ready();
    const first = await newCache(null);
    const release = Math.random().toString(16).slice(2);
    appendFileSync(path.join(web, 'view.js'), `self.kasnakRelease = '${release}';\n`);
    execFileSync('flock', [emscripten, path.join(root, 'tools/build-web'), '--build', emscripten, '--web', web, site],
      { stdio: ['ignore', 'ignore', 'inherit'] });
    await browser.goto(url); // the old release, from the old cache; the new service worker installs
    await newCache(first);
    for (const where of ['online', 'offline']) {
      if (where === 'offline') server.stop();
      await browser.goto(url);
      await browser.ready();
      const ran = (await browser.evaluate(() => self.kasnakRelease)) === release ? 'new' : 'old';
      print(`${where}: the second load after a release runs the ${ran} view.js`);
      if (ran !== 'new') passed = false;
    }
  } finally {
    server.stop();
    rmSync(scratch, { recursive: true, force: true });
  }
  return passed;
}

await alone(import.meta.url, check);
