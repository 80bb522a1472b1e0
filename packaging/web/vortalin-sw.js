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
// The finer picture sets, by scale: a page fetches only its screen's, and
// the copy keeps only those a page fetched.
const pictures = JSON.parse('@PICTURES@');
const pictureFiles = Object.values(pictures);
const pictureScale = /^vortalin-pictures-([0-9.]+)x-[0-9a-f]+\.rcc$/;

// This build's set for `scale`, into its copy. A set that does not come
// leaves the game its 1x pictures: no reason to fail.
const keepPictures = async (scale) => {
    const file = pictures[String(Number(scale))];
    if (!file)
        return;
    try {
        const cache = await caches.open(build);
        if (!(await cache.match(file)))
            await cache.add(new Request(file, { cache: 'no-cache' }));
    } catch (e) {
        console.info('Vortalin: pictures for ' + scale + 'x not kept offline: ' + e);
    }
};

// The scales whose sets an older build's copy held.
const scalesKeptBefore = async () => {
    const scales = new Set();
    for (const name of await caches.keys()) {
        if (!name.startsWith('vortalin-') || name === build)
            continue;
        for (const request of await (await caches.open(name)).keys()) {
            const found = pictureScale.exec(new URL(request.url).pathname.split('/').pop());
            if (found)
                scales.add(found[1]);
        }
    }
    return scales;
};

self.addEventListener('install', (event) => {
    event.waitUntil((async () => {
        const cache = await caches.open(build);
        // Checked with the server: the browser's HTTP cache may still hold an
        // older build's file under the same name, or this one's, just loaded.
        await cache.addAll(files.map((file) => new Request(file, { cache: 'no-cache' })));
        // The same screens' pictures as the build this one replaces.
        for (const scale of await scalesKeptBefore())
            await keepPictures(scale);
        // The first build a browser sees has no page to wait for.
        if (!self.registration.active)
            await self.skipWaiting();
    })());
});

self.addEventListener('message', (event) => {
    if (event.data === 'vortalin-take-over')
        self.skipWaiting();
    else if (event.data && event.data.keepPictures)
        event.waitUntil(keepPictures(event.data.keepPictures));
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
    if (path !== null && pictureFiles.includes(path)) {
        // A set fetched while online is kept as it passes.
        event.respondWith((async () => {
            const cache = await caches.open(build);
            const found = await cache.match(path);
            if (found)
                return found;
            const response = await fetch(event.request);
            if (response.ok)
                event.waitUntil(cache.put(path, response.clone()));
            return response;
        })());
        return;
    }
    if (path === null || !files.includes(path))
        return;
    event.respondWith((async () => {
        const cache = await caches.open(build);
        const found = await cache.match(path);
        return found || fetch(event.request);
    })());
});
