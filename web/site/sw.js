// The service worker: after the first visit Qimbel opens and computes with the network off. The
// files of the first answer (the page, its styles and scripts, the problem pages' module) are
// kept at install; every other file of the site (the whole core, other pages' code, handbooks)
// is kept the first time it is fetched, and fetched again at an update if it was kept before.
// The build writes the version and both lists.
'use strict';
const VERSION = '__VERSION__';
const FILES = ['__FILES__'];
const LATER = ['__LATER__'];
const CACHE = 'qimbel-' + VERSION;

const scope = new URL(self.registration.scope);
const siteFile = (url) => {
  const file = new URL(url);
  return file.origin === scope.origin && LATER.includes(file.pathname.slice(scope.pathname.length));
};

// The files an earlier version kept after first use, by their name in this version's site.
async function keptBefore() {
  const wanted = new Set();
  for (const name of await caches.keys()) {
    if (!name.startsWith('qimbel-') || name === CACHE) continue;
    for (const request of await (await caches.open(name)).keys()) {
      if (siteFile(request.url)) wanted.add(new URL(request.url).pathname.slice(scope.pathname.length));
    }
  }
  return [...wanted];
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    await cache.addAll(FILES);
    // What the pupil had opened stays available offline; one that cannot be fetched now is
    // fetched when it is next opened.
    await Promise.all((await keptBefore()).map((file) => cache.add(file).catch(() => {})));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((keys) => Promise.all(keys.filter((k) => k.startsWith('qimbel-') && k !== CACHE).map((k) => caches.delete(k))))
      .then(() => self.clients.claim()));
});

// The kept file first; else the network, keeping what it gives for one of the site's files.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    const hit = await cache.match(event.request, { ignoreSearch: true });
    if (hit) return hit;
    const response = await fetch(event.request);
    if (response.ok && siteFile(event.request.url)) {
      const url = new URL(event.request.url);
      event.waitUntil(cache.put(url.origin + url.pathname, response.clone()).catch(() => {}));
    }
    return response;
  })());
});
