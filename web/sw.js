// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps every file of the page, so that after the first visit it opens with
// no network.  tools/build-web writes the list of files and a version made
// from their contents; a new version replaces the old cache.  The new cache is
// filled from the server, past the browser's HTTP cache: a server that sends
// only Last-Modified would otherwise let the browser hand back the files of
// the old release, and a stale file can mean stale figures.
const VERSION = '@VERSION@';
const FILES = [@FILES@];
const CACHE = 'kasnak-' + VERSION;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES.map((file) => new Request(file, {cache: 'reload'})))).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith('kasnak-') && n !== CACHE).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(CACHE)
      .then((cache) => cache.match(event.request, {ignoreSearch: true}))
      .then((hit) => hit || fetch(event.request)));
});
