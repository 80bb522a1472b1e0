// Starts the game in the page: fits the game to a small screen, shows how
// much of the program has arrived, says why where the browser cannot run
// it, keeps the page for playing offline, asks the browser to keep the maps,
// and offers a new game once "Esci" has ended it.
'use strict';

(function () {
    const screen = document.getElementById('screen');
    const loading = document.getElementById('stato');
    const loadingText = document.getElementById('stato-testo');
    const bar = document.getElementById('barra');
    const retry = document.getElementById('riprova');
    const ended = document.getElementById('fine');
    const build = (document.querySelector('meta[name="vortalin-build"]') || {}).content || '';

    const say = (text, canRetry) => {
        loadingText.textContent = text;
        bar.hidden = true;
        retry.hidden = !canRetry;
        loading.hidden = false;
    };
    retry.addEventListener('click', () => location.reload());

    const notice = (text, seconds) => {
        const line = document.getElementById('avviso');
        line.textContent = text;
        line.hidden = false;
        clearTimeout(notice.timer);
        notice.timer = setTimeout(() => { line.hidden = true; }, seconds * 1000);
    };

    // The largest window outside the board, the options dialog, needs 501 x
    // 320 CSS pixels as designed (497 x 312 with its frame, and a margin).
    // On a screen narrower than that the game lays its wide windows out
    // narrow, one group under another: then the largest, the map file
    // dialog, needs 372 x 445. The page shows the game as large as one of
    // the two allows, by the zoom a phone's browser gives a page, so that
    // every window lies on the screen and its texts stay readable; the game
    // picks the arrangement by the screen it is given, so the choice never
    // goes round in a circle. Qt draws at the screen's real pixels all the
    // same. Turning the phone fits it anew. A desktop's browser has no such
    // zoom and keeps one CSS pixel a pixel of the game.
    const arrangements = [{ width: 501, height: 320 }, { width: 372, height: 445 }];
    const viewport = document.getElementById('viewport');
    let zoom = 1;
    const fit = () => {
        const now = window.visualViewport ? window.visualViewport.scale : 1;
        const width = document.documentElement.clientWidth * now;
        const height = document.documentElement.clientHeight * now;
        // A phone's keyboard takes height while a box is typed into: that
        // is no reason to shrink the game.
        const typing = document.activeElement && /^(INPUT|TEXTAREA)$/.test(document.activeElement.tagName);
        const scaleFor = (needed) => {
            let scale = Math.min(1, width / needed.width);
            if (!typing || height / needed.height > zoom)
                scale = Math.min(scale, height / needed.height);
            return scale;
        };
        let wanted = Math.max(...arrangements.map(scaleFor));
        wanted = Math.floor(wanted * 1000) / 1000;
        if (!(wanted > 0) || Math.abs(wanted - zoom) < 0.002)
            return;
        zoom = wanted;
        viewport.content = 'width=device-width, initial-scale=' + zoom + ', minimum-scale=' + zoom +
            ', maximum-scale=' + zoom + ', user-scalable=no, viewport-fit=cover';
    };
    window.vortalinZoom = () => zoom;
    fit();
    window.addEventListener('resize', fit);
    window.addEventListener('orientationchange', () => setTimeout(fit, 0));

    // No long-press menu, text selection or page scrolling over the game;
    // Qt takes the touches itself.
    screen.addEventListener('contextmenu', (e) => e.preventDefault());
    document.addEventListener('selectstart', (e) => {
        if (!/^(INPUT|TEXTAREA)$/.test(e.target.tagName))
            e.preventDefault();
    });
    document.addEventListener('touchmove', (e) => {
        if (e.touches.length > 1)
            e.preventDefault();
    }, { passive: false });
    document.addEventListener('gesturestart', (e) => e.preventDefault());

    // What the game needs of the browser: WebAssembly for the program and a
    // canvas that draws, for its windows.
    const missing = () => {
        if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function')
            return 'Questo browser non può avviare Vortalin: non sa eseguire WebAssembly. ' +
                'Serve una versione recente di Chrome, Edge, Firefox o Safari.';
        const canvas = document.createElement('canvas');
        if (!canvas.getContext || !canvas.getContext('2d'))
            return 'Questo browser non può avviare Vortalin: non sa disegnare nella pagina (canvas).';
        return '';
    };

    // The game brings its own faces. Where the browser can lend the
    // computer's (Chrome), Qt would first ask whether it may, and Qt 6.8
    // stalls its start on this Chromium's answer: the page does not offer it.
    if ('queryLocalFonts' in window)
        window.queryLocalFonts = undefined;

    let over = false;
    window.vortalinFine = () => {
        if (over)
            return;
        over = true;
        screen.hidden = true;
        loading.hidden = true;
        ended.hidden = false;
        document.getElementById('ancora').focus();
    };
    document.getElementById('ancora').addEventListener('click', () => location.reload());

    // The maps live in the browser's storage, which the browser may clear
    // when it runs short of space. After the first save the page asks to
    // keep it; where the browser says no, the player is told once.
    let keepAsked = false;
    window.vortalinSaved = async () => {
        if (keepAsked)
            return;
        keepAsked = true;
        const storage = navigator.storage;
        let kept = false;
        try {
            kept = storage && storage.persist &&
                ((await storage.persisted()) || (await storage.persist()));
        } catch {
            kept = false;
        }
        window.vortalinMapsKept = Boolean(kept);
        if (kept)
            return;
        const told = 'vortalin-avviso-mappe';
        try {
            if (localStorage.getItem(told))
                return;
            localStorage.setItem(told, '1');
        } catch {
            // Without local storage the player is told at each visit.
        }
        notice('Il browser potrebbe cancellare le mappe salvate qui quando gli manca spazio: ' +
            'per questo ogni salvataggio scarica anche una copia della mappa.', 15);
    };

    // After one visit the page plays without the network: a worker keeps
    // every file of this build in a cache of its own, once the program is in
    // (so it takes no share of the first download, and finds the files in
    // the browser's cache). A newer build waits until this page has its
    // program, then takes over for the next visit.
    const keepOffline = async () => {
        if (!('serviceWorker' in navigator) || !window.isSecureContext)
            return null;
        try {
            return await navigator.serviceWorker.register('vortalin-sw.js?program=' + program);
        } catch (e) {
            console.warn('Vortalin: the offline copy is not available: ' + e);
            return null;
        }
    };
    const takeOverWhenReady = async () => {
        const registration = await keepOffline();
        if (!registration)
            return;
        // The offline copy keeps the picture set this screen took (each
        // worker its own build's file for that scale), and no other.
        if (window.vortalinPictures > 1) {
            for (const worker of [registration.installing, registration.waiting, registration.active]) {
                if (worker)
                    worker.postMessage({ keepPictures: window.vortalinPictures });
            }
        }
        const newer = (worker) => {
            if (!worker)
                return;
            const tell = () => {
                if (worker.state !== 'installed')
                    return;
                worker.postMessage('vortalin-take-over');
                if (navigator.serviceWorker.controller)
                    notice('È pronta una nuova versione di Vortalin: si userà alla prossima apertura.', 8);
            };
            worker.addEventListener('statechange', tell);
            tell();
        };
        newer(registration.waiting);
        registration.addEventListener('updatefound', () => newer(registration.installing));
    };

    // The pictures painted for 125, 150 and 200 % screens travel beside the
    // program, a file a set (./package-web names them, "scale:file:bytes"):
    // the page fetches the one set the game will take, with the program.
    const pictureSets = ((document.querySelector('meta[name="vortalin-pictures"]') || {}).content || '')
        .split(/\s+/).filter(Boolean).map((entry) => {
            const [scale, file, bytes] = entry.split(':');
            return { scale: Number(scale), file, bytes: Number(bytes) };
        }).filter((set) => set.scale > 1 && set.file && set.bytes > 0)
        .sort((a, b) => a.scale - b.scale);
    // The screen's ratio as Qt reckons it (the browser's, times a phone's
    // zoom but never above it), and the set the game takes for it: the
    // first painted at or above it, else the finest; none at 100 %.
    const screenRatio = () => {
        const dpr = window.devicePixelRatio || 1;
        const scale = window.visualViewport ? window.visualViewport.scale : 1;
        return Math.min(dpr * scale, dpr);
    };
    const setFor = (ratio) => {
        const tolerance = 1e-3;
        if (ratio <= 1 + tolerance || pictureSets.length === 0)
            return null;
        return pictureSets.find((set) => set.scale >= ratio - tolerance) ||
            pictureSets[pictureSets.length - 1];
    };
    // The set's bytes, or null: without them the game shows its 1x pictures
    // scaled, as it would on a screen it has no set for.
    const fetchPictures = async (set) => {
        if (!set)
            return null;
        try {
            const response = await fetch(set.file);
            if (!response.ok)
                return null;
            const bytes = new Uint8Array(await response.arrayBuffer());
            // A file cut short, or some other answer, would be read past its end.
            const magic = String.fromCharCode(...bytes.subarray(0, 4));
            if (bytes.length !== set.bytes || magic !== 'qres')
                return null;
            window.vortalinPictures = set.scale;
            return bytes;
        } catch {
            return null;
        }
    };
    let pictures = Promise.resolve(null);
    let pictureBytes = null;
    window.vortalinPictures = 1;
    // Two builds of the program: where the browser switches stacks itself
    // (JavaScript Promise Integration: Chrome, Edge) the smaller and faster
    // one, elsewhere (Safari, Firefox) the one asyncify lets wait. The
    // service worker keeps only the one chosen here.
    const jspi = typeof WebAssembly === 'object' && typeof WebAssembly.Suspending === 'function' &&
        typeof WebAssembly.promising === 'function';
    const program = jspi ? 'vortalin-jspi' : 'vortalin';
    window.vortalinProgram = program;
    const loaded = (src) => new Promise((resolve) => {
        const tag = document.createElement('script');
        tag.src = src;
        tag.async = false;
        tag.addEventListener('load', () => resolve(true));
        tag.addEventListener('error', () => resolve(false));
        document.body.appendChild(tag);
    });
    const scripts = Promise.all([loaded(program + '.js'), loaded('qtloader.js')]);

    // The program arrives counted, and is compiled while it arrives.
    const wasmBytes = Number((document.querySelector('meta[name="' + program + '-wasm-bytes"]') || {}).content) || 0;
    let loadFailed = null;
    const failed = new Promise((resolve) => { loadFailed = resolve; });
    const why = (e) => (!navigator.onLine || e instanceof TypeError)
        ? 'la rete non risponde e il gioco non è ancora stato salvato per giocare senza rete'
        : String(e && e.message || e);
    const instantiateWasm = (imports, receive) => {
        (async () => {
            const response = await fetch(program + '.wasm');
            if (!response.ok)
                throw new Error('il server ha risposto ' + response.status + ' per ' + program + '.wasm');
            const sent = Number(response.headers.get('Content-Length')) || 0;
            const packed = response.headers.get('Content-Encoding');
            const total = wasmBytes || (packed ? 0 : sent);
            let arrived = 0;
            const shown = (done) => {
                bar.hidden = false;
                if (total) {
                    bar.value = Math.min(1, arrived / total);
                    loadingText.textContent = 'Caricamento di Vortalin: ' +
                        Math.round(100 * Math.min(1, arrived / total)) + ' % di ' +
                        (total / 1048576).toFixed(1).replace('.', ',') + ' MB';
                } else {
                    bar.removeAttribute('value');
                    loadingText.textContent = 'Caricamento di Vortalin: ' +
                        (arrived / 1048576).toFixed(1).replace('.', ',') + ' MB';
                }
                if (done)
                    loadingText.textContent = 'Avvio di Vortalin…';
            };
            shown(false);
            const reader = response.body.getReader();
            const counted = new ReadableStream({
                async pull(controller) {
                    const { done, value } = await reader.read();
                    if (done) {
                        shown(true);
                        controller.close();
                        return;
                    }
                    arrived += value.byteLength;
                    shown(false);
                    controller.enqueue(value);
                },
                cancel(reason) { return reader.cancel(reason); },
            });
            const result = await WebAssembly.instantiateStreaming(
                new Response(counted, { headers: { 'Content-Type': 'application/wasm' } }), imports);
            // The program starts once its pictures are in (they are the
            // smaller download, and came alongside).
            pictureBytes = await pictures;
            receive(result.instance, result.module);
        })().catch(loadFailed);
        return {};
    };

    const start = async () => {
        const lacking = missing();
        if (lacking) {
            say(lacking, false);
            return;
        }
        await scripts;
        if (typeof qtLoad !== 'function' || typeof window.vortalin_entry !== 'function') {
            say('Vortalin non è partito: non è stato possibile scaricare i suoi file' +
                (navigator.onLine ? '.' : ' (la rete non risponde).'), true);
            return;
        }
        pictures = fetchPictures(setFor(screenRatio()));
        try {
            await Promise.race([failed.then((e) => { throw e; }), qtLoad({
                instantiateWasm,
                // Where the program reads them before its first picture
                // (ui/platform_web.cpp).
                preRun: [(module) => {
                    if (pictureBytes)
                        module.FS.writeFile('/vortalin-pictures.rcc', pictureBytes);
                    pictureBytes = null;
                }],
                qt: {
                    containerElements: [screen],
                    entryFunction: window.vortalin_entry,
                    onLoaded: () => {
                        loading.hidden = true;
                        takeOverWhenReady();
                    },
                    onExit: (exit) => {
                        if (exit.crashed) {
                            over = true;
                            screen.hidden = true;
                            say('Vortalin si è interrotto per un errore: ' + (exit.text || '') + '.', true);
                        } else {
                            window.vortalinFine();
                        }
                    },
                },
            })]);
        } catch (e) {
            console.warn(e);
            say('Vortalin non è partito: ' + why(e) + '.', true);
        }
    };
    window.vortalinBuild = build;
    window.addEventListener('load', start);
})();
