// Keeps the page, the engine and the icons, so that after one visit the calculator opens and
// computes without the network. The assembled site writes its version and file list here;
// a new version replaces the old cache.
const VERSION = 'ravlo-@SITE_VERSION@';
const FILES = [@SITE_FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(VERSION).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith('ravlo-') && k !== VERSION).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(VERSION);
    const key = request.mode === 'navigate' ? './' : request;
    const hit = await cache.match(key, { ignoreSearch: true });
    return hit ?? fetch(request);
  })());
});
