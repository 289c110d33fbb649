// The service worker: after one visit the game starts and plays without a
// network. Every file of the site is kept in a cache named after the site's
// version, a digest of all its files; tools/web/finish_site.py fills in the
// two lists below.
//
// A new version of the site is fetched whole from the network, past the
// browser's HTTP cache (which may still hold files of the old one), into a
// cache of its own. It takes over only once no page of the old version is
// open, so a game in progress is never interrupted and no page ever gets
// files of two versions: the visit that finds it still plays the old one,
// the next visit the new one.
const kCache = "quorbals-@VERSION@";
const kFiles = [@FILES@];

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(kCache).then((cache) =>
        cache.addAll(kFiles.map((file) => new Request(file, {cache: "reload"})))));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(
        caches.keys()
            .then((names) => Promise.all(
                names.filter((n) => n.startsWith("quorbals-") && n !== kCache)
                    .map((n) => caches.delete(n))))
            .then(() => self.clients.claim()));
});

// From this version's cache first, so that the game starts at once and
// offline; what the cache lacks comes from the network.
self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET") {
        return;
    }
    event.respondWith(
        caches.open(kCache)
            .then((cache) => cache.match(event.request, {ignoreSearch: true}))
            .then((hit) => hit || fetch(event.request)));
});
