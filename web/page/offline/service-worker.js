// The page's service worker: keeps the page, its scripts, styles and the core's module in a cache
// on the first visit, so that the page works without a network afterwards. The build (vite.config.ts)
// fills in the files and names the cache after them; a new build's cache replaces the old one.
const kCache = "trimora-__BUILD__";
const kFiles = __FILES__;

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches
      .open(kCache)
      .then((cache) => cache.addAll(kFiles))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith("trimora-") && n !== kCache).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()),
  );
});

// The page itself from the network while there is one (a new build shows at once), else from the
// cache; everything else (named after its content) from the cache first.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  if (request.mode === "navigate") {
    event.respondWith(
      fetch(request)
        .then((response) => {
          const copy = response.clone();
          if (response.ok) caches.open(kCache).then((cache) => cache.put("./", copy));
          return response;
        })
        .catch(() => caches.match("./", { ignoreSearch: true, ignoreVary: true })),
    );
    return;
  }
  // A server may vary its answer by the request's origin or encoding: the kept answer serves all.
  event.respondWith(caches.match(request, { ignoreVary: true }).then((hit) => hit ?? fetch(request)));
});
