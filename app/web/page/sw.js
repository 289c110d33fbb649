// The service worker: after one visit the game starts and plays without a
// network. Every file of the site is kept in a cache named after the site's
// version, a digest of all its files; tools/web/finish_site.py fills in the
// two lists below, each file with its own digest.
//
// A new version of the site is fetched whole into a cache of its own, and
// each file must match its digest, so that the cache never holds a file of
// another version (one still in the browser's HTTP cache, or one the host
// changed meanwhile: that install fails and the next visit tries again). It
// takes over only once no page of the old version is open, so a game in
// progress is never interrupted and no page ever gets files of two
// versions: the visit that finds it still plays the old one, the next visit
// the new one.
const kCache = "quorbals-@VERSION@";
const kFiles = [
    @FILES@
];

// Each file is asked of the server with the browser's copy, if any, to be
// revalidated ("no-cache"): a copy the server confirms is current is not
// sent again, so a first visit does not download twice what the page has
// just loaded. A copy the server wrongly confirms (its dates alone do not
// tell two versions apart) fails the digest and is fetched again past the
// HTTP cache.
async function fetchChecked([file, integrity]) {
    for (const cache of ["no-cache", "reload"]) {
        try {
            const response = await fetch(new Request(file, {cache, integrity}));
            if (response.ok) {
                return response;
            }
        } catch (e) {
            // not this version's file, or no network: tried once more
        }
    }
    throw new Error(`${file} is not this version's`);
}

self.addEventListener("install", (event) => {
    event.waitUntil(Promise.all(kFiles.map(fetchChecked)).then(async (responses) => {
        const cache = await caches.open(kCache);
        await Promise.all(responses.map((r, i) => cache.put(kFiles[i][0], r)));
    }));
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
            .then((cache) => cache.match(event.request, {ignoreSearch: true, ignoreVary: true}))
            .then((hit) => hit || fetch(event.request)));
});
