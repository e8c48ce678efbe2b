// SPDX-License-Identifier: GPL-3.0-or-later
// node tests/web/web-check.mjs [--engine E] PAGE_DIR [LOADS]: the built page in a browser engine.
// - every caption fits its box in the page's font (a clipped caption: a font that did not load, or
//   a size that grew);
// - the page is usable soon after navigation: the time from navigation start until its model is
//   ready and its controls are drawn (the mark "kasnak-ready"), over LOADS loads (default 15),
//   median at most 500 ms;
// - it can be installed as an app: Chromium finds no fault with its manifest and service worker (the
//   other engines cannot tell);
// - it works with the network off after the first load: the server stops and a reload must still
//   bring the page up from the service worker's cache.
// Prints the measurements; fails when a check fails.  Run by session.mjs in
// each engine's session, or by itself (engines.mjs's alone).
import { alone, serve } from './engines.mjs';

const READY_BUDGET_MS = 500;

export async function check(browser, [folder, loadsArg], print) {
  const loads = Number(loadsArg ?? 15);
  const server = await serve(folder);
  await browser.setViewport(800, 600);
  const failed = [];
  const readyMs = () => browser.evaluate(() => performance.getEntriesByName('kasnak-ready')[0].startTime);
  try {
    await browser.goto(server.url());
    await browser.ready();
    print(`first load, every file from the server: ready after ${(await readyMs()).toFixed(0)} ms`);
    // Each control whose caption overflows its box: [id, needed, room] in CSS pixels.  A check box
    // or option button needs its box and its caption.
    const clipped = await browser.evaluate(() => [...document.querySelectorAll('#window .control')]
      .filter((el) => !el.matches('.text, .list') && el.textContent !== '').map((el) => {
        const text = document.createRange();
        text.selectNodeContents(el.querySelector('span') || el);
        const [need, box, style] = [text.getBoundingClientRect(), el.getBoundingClientRect(), getComputedStyle(el)];
        const right = box.right - parseFloat(style.borderRightWidth) - parseFloat(style.paddingRight);
        const bottom = box.bottom - parseFloat(style.borderBottomWidth);
        return need.right > right + 0.01 || need.bottom > bottom + 0.01 ? [el.id, need.right - box.left, right - box.left] : null;
      }).filter((c) => c));
    for (const [name, need, room] of clipped) print(`caption of ${name} needs ${need.toFixed(1)} px, its box has ${room.toFixed(1)} px`);
    if (clipped.length) failed.push('captions clipped');
    else print('every caption fits its box');

    const times = []; // the later loads, from the service worker's cache
    for (let load = 0; load < loads; load++) {
      await browser.goto(server.url());
      await browser.ready();
      times.push(await readyMs());
    }
    times.sort((a, b) => a - b);
    const median = (times[(loads - 1) >> 1] + times[loads >> 1]) / 2;
    print(`ready after navigation, ${loads} loads: median ${median.toFixed(0)} ms, ` +
      `fastest ${times[0].toFixed(0)} ms, slowest ${times[loads - 1].toFixed(0)} ms`);
    if (median > READY_BUDGET_MS) failed.push(`median ready time over ${READY_BUDGET_MS} ms`);

    const errors = await browser.installErrors();
    for (const error of errors ?? []) print('not installable:', JSON.stringify(error));
    if (errors?.length) failed.push('not installable as an app');
    else print(errors ? 'installable as an app' : 'whether it installs as an app, only Chromium tells');

    // Until the service worker controls the page its cache may be incomplete: wait for it, then take
    // the server away.
    const deadline = Date.now() + 20000;
    while (!(await browser.evaluate(() => navigator.serviceWorker.ready.then(() => !!navigator.serviceWorker.controller)))
           && Date.now() < deadline) await browser.reload();
    server.stop();
    try {
      await browser.reload();
      await browser.ready(10000);
      print('with the server stopped the page comes up again from its cache');
    } catch {
      failed.push('no page with the server stopped');
    }
  } finally {
    server.stop();
  }
  for (const failure of failed) print('FAILED:', failure);
  return failed.length === 0;
}

await alone(import.meta.url, check);
