// Keeps every file of one build of the page, so that after one visit the
// game starts and plays without the network. Each build has a cache of its
// own, named from its version and the files' hash (./package-web fills both
// in): a page is served from one build's cache only, never a mix, and a
// newer build takes over only once the page running has its program.
'use strict';

const build = 'vortalin-@BUILD@';
// Of the program's two builds, only the one the page chose (and named in
// this worker's address) is kept.
const program = new URL(self.location.href).searchParams.get('program') === 'vortalin-jspi'
    ? 'vortalin-jspi' : 'vortalin';
const other = program === 'vortalin' ? 'vortalin-jspi' : 'vortalin';
const files = JSON.parse('@FILES@').filter((file) => file !== other + '.js' && file !== other + '.wasm');

self.addEventListener('install', (event) => {
    event.waitUntil((async () => {
        const cache = await caches.open(build);
        // Checked with the server: the browser's HTTP cache may still hold an
        // older build's file under the same name, or this one's, just loaded.
        await cache.addAll(files.map((file) => new Request(file, { cache: 'no-cache' })));
        // The first build a browser sees has no page to wait for.
        if (!self.registration.active)
            await self.skipWaiting();
    })());
});

self.addEventListener('message', (event) => {
    if (event.data === 'vortalin-take-over')
        self.skipWaiting();
});

self.addEventListener('activate', (event) => {
    event.waitUntil((async () => {
        for (const name of await caches.keys()) {
            if (name.startsWith('vortalin-') && name !== build)
                await caches.delete(name);
        }
        await self.clients.claim();
    })());
});

// The page's folder, and the page itself when asked for by the folder's name.
const scope = new URL(self.registration.scope);
const kept = (request) => {
    const url = new URL(request.url);
    if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname))
        return null;
    const path = url.pathname.slice(scope.pathname.length);
    if (request.mode === 'navigate' && (path === '' || path.endsWith('/')))
        return path + 'index.html';
    return path;
};

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET')
        return;
    const path = kept(event.request);
    if (path === null || !files.includes(path))
        return;
    event.respondWith((async () => {
        const cache = await caches.open(build);
        const found = await cache.match(path);
        return found || fetch(event.request);
    })());
});
