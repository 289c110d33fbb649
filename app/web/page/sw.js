// The service worker: after one visit the game starts and plays without a
// network. Every file of the site is kept in a cache named after the site's
// version; a new version replaces the old cache whole. tools/make_web.sh
// fills in the two lists below.
const kCache = "quorbals-@VERSION@";
const kFiles = [@FILES@];

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)));
    self.skipWaiting();
});

self.addEventListener("activate", (event) => {
    event.waitUntil(
        caches.keys()
            .then((names) => Promise.all(
                names.filter((n) => n.startsWith("quorbals-") && n !== kCache)
                    .map((n) => caches.delete(n))))
            .then(() => self.clients.claim()));
});

// From the cache first, so that the game starts at once and offline; what
// the cache lacks comes from the network.
self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET") {
        return;
    }
    event.respondWith(
        caches.match(event.request, {ignoreSearch: true})
            .then((hit) => hit || fetch(event.request)));
});
