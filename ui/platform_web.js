// The page's side of the game in the browser, called from platform_web.cpp:
// the maps' folder kept in the browser's storage, maps dropped on the page,
// the copy of a saved map, the guide's tab, the end of the program, waits
// for the page's next paint and the phone's keyboard. Linked into the
// program as emscripten's JavaScript library (--js-library).
'use strict';

addToLibrary({
    // The maps' folder, kept in the browser's IndexedDB and read back from
    // it in the background. Every exchange with the storage goes through
    // one queue, so two never overlap.
    $vortalinMaps__deps: ['$FS', '$IDBFS'],
    $vortalinMaps: {
        folder: '/mappe',
        queue: null,
        read: null, // the first read back from the storage
        open: false,
        noticeTimer: 0,

        // Into the storage, or back from it: '' once done, else why not.
        sync(fromStorage) {
            vortalinMaps.queue = vortalinMaps.queue.then(() => new Promise((resolve) =>
                FS.syncfs(fromStorage, (err) => resolve(err ? String(err) : ''))));
            return vortalinMaps.queue;
        },

        notice(text) {
            const line = document.getElementById('avviso');
            if (!line)
                return;
            line.textContent = text;
            line.hidden = false;
            clearTimeout(vortalinMaps.noticeTimer);
            vortalinMaps.noticeTimer = setTimeout(() => { line.hidden = true; }, 8000);
        },

        exists(path) {
            try {
                FS.stat(path);
                return true;
            } catch {
                return false;
            }
        },

        same(path, bytes) {
            const old = FS.readFile(path);
            return old.length === bytes.length && old.every((b, i) => b === bytes[i]);
        },

        // A .vmp dropped on the page is copied into the folder; a name
        // already taken by another map gets a number, so nothing dropped
        // replaces a map. The folder is compared only once it has been read
        // back from the storage, or the read would drop or replace the copy.
        bringIn: async (file) => {
            const folder = vortalinMaps.folder;
            const notice = vortalinMaps.notice;
            const match = /^(.+)\.vmp$/i.exec(file.name);
            if (!match) {
                notice('«' + file.name + '» non è una mappa di Vortalin: si portano qui solo i file .vmp.');
                return;
            }
            if (file.size > 65536) {
                notice('«' + file.name + '» è troppo grande per essere una mappa di Vortalin.');
                return;
            }
            const bytes = new Uint8Array(await file.arrayBuffer());
            await vortalinMaps.read;
            let name = match[1] + '.vmp';
            for (let n = 2; vortalinMaps.exists(folder + '/' + name); ++n) {
                if (vortalinMaps.same(folder + '/' + name, bytes)) {
                    notice('La mappa «' + name + '» è già nella cartella ' + folder + '.');
                    return;
                }
                name = match[1] + ' (' + n + ').vmp';
            }
            const path = folder + '/' + name;
            FS.writeFile(path, bytes);
            if (await vortalinMaps.sync(false)) {
                FS.unlink(path);
                notice('Il browser non ha permesso di conservare la mappa «' + name + '».');
                return;
            }
            notice('Mappa «' + name + '» copiata nella cartella ' + folder +
                ': si apre con «Carica mappa».');
        },
    },

    vortalin_open_maps__deps: ['$vortalinMaps'],
    vortalin_open_maps: () => {
        const folder = vortalinMaps.folder;
        try {
            FS.mkdir(folder);
        } catch {
            // already there
        }
        FS.mount(IDBFS, {}, folder);
        vortalinMaps.queue = Promise.resolve();
        const carriesFiles = (e) => e.dataTransfer && Array.from(e.dataTransfer.types).includes('Files');
        window.addEventListener('dragover', (e) => {
            if (!carriesFiles(e))
                return;
            e.preventDefault();
            e.stopPropagation();
            e.dataTransfer.dropEffect = 'copy';
        }, true);
        window.addEventListener('drop', async (e) => {
            if (!carriesFiles(e))
                return;
            e.preventDefault();
            e.stopPropagation();
            for (const file of Array.from(e.dataTransfer.files))
                await vortalinMaps.bringIn(file);
        }, true);
        vortalinMaps.read = vortalinMaps.sync(true).then((refused) => {
            vortalinMaps.open = true;
            if (refused)
                vortalinMaps.notice('Il browser non permette di conservare le mappe: ' +
                    'quelle salvate spariranno alla chiusura della pagina.');
        });
    },

    vortalin_maps_open__deps: ['$vortalinMaps'],
    vortalin_maps_open: () => (vortalinMaps.open ? 1 : 0),

    vortalin_wait_for_maps__deps: ['$vortalinMaps'],
    vortalin_wait_for_maps__async: true,
    vortalin_wait_for_maps: () => Asyncify.handleAsync(() => vortalinMaps.read),

    // After a save: into the storage, then a copy for the player. When the
    // storage refuses, the folder is read back from it, so the file shows
    // what the storage still holds.
    vortalin_keep_map__deps: ['$vortalinMaps', '$UTF8ToString'],
    vortalin_keep_map__async: true,
    vortalin_keep_map: (pathText) => Asyncify.handleAsync(async () => {
        const path = UTF8ToString(pathText);
        if (await vortalinMaps.sync(false)) {
            await vortalinMaps.sync(true);
            return 0;
        }
        if (typeof window.vortalinSaved === 'function') window.vortalinSaved();
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([FS.readFile(path)], { type: 'application/octet-stream' }));
        link.download = path.split('/').pop();
        document.body.appendChild(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 60000);
        return 1;
    }),

    // The guide lies beside the page, in help/.
    vortalin_open_guide: () => {
        const tab = window.open(new URL('help/guida.html', document.baseURI).href, '_blank');
        if (!tab)
            return 0;
        try {
            tab.opener = null;
        } catch {
            // the tab is the browser's to keep as it is
        }
        return 1;
    },

    vortalin_program_ended: () => {
        if (typeof window.vortalinFine === 'function')
            window.vortalinFine();
    },

    // Back to the program once the page has painted a frame, past the
    // frame's own callbacks (Qt paints its windows in one). A hidden page
    // paints nothing: there a timer ends the wait.
    vortalin_wait_for_paint__async: true,
    vortalin_wait_for_paint: () => Asyncify.handleSleep((wakeUp) => {
        let woken = false;
        const wake = () => {
            if (!woken) {
                woken = true;
                wakeUp();
            }
        };
        requestAnimationFrame(() => setTimeout(wake, 0));
        setTimeout(wake, 100);
    }),

    // Qt types through a hidden <input> of its own, which it focuses for
    // whatever control takes the focus; its inputmode decides the phone's
    // keyboard. The keyboard already up changes only by a new focus.
    $vortalinKeyboardInput: null,
    vortalin_set_keyboard__deps: ['$UTF8ToString', '$vortalinKeyboardInput'],
    vortalin_set_keyboard: (modeText) => {
        const mode = UTF8ToString(modeText);
        if (!vortalinKeyboardInput || !vortalinKeyboardInput.isConnected)
            vortalinKeyboardInput = Array.from(document.querySelectorAll('input'))
                .find((e) => e['data-qinputcontext'] !== undefined) || null;
        const input = vortalinKeyboardInput;
        if (!input || input.inputMode === mode)
            return;
        input.inputMode = mode;
        if (document.activeElement === input) {
            input.blur();
            input.focus();
        }
    },
});
