// Starts the game in the page: says while it loads, says why where the
// browser cannot run it, and offers a new game once "Esci" has ended it.
'use strict';

(function () {
    const screen = document.getElementById('screen');
    const loading = document.getElementById('stato');
    const loadingText = document.getElementById('stato-testo');
    const ended = document.getElementById('fine');

    const say = (text) => {
        loadingText.textContent = text;
        loading.hidden = false;
    };

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

    const start = async () => {
        const why = missing();
        if (why) {
            say(why);
            return;
        }
        if (typeof qtLoad !== 'function' || typeof window.vortalin_entry !== 'function') {
            say('Non è stato possibile scaricare i file di Vortalin: ricaricare la pagina.');
            return;
        }
        try {
            await qtLoad({
                qt: {
                    containerElements: [screen],
                    entryFunction: window.vortalin_entry,
                    onLoaded: () => { loading.hidden = true; },
                    onExit: (exit) => {
                        if (exit.crashed) {
                            over = true;
                            screen.hidden = true;
                            say('Vortalin si è interrotto per un errore: ' + (exit.text || '') +
                                '. Ricaricare la pagina per giocare di nuovo.');
                        } else {
                            window.vortalinFine();
                        }
                    },
                },
            });
        } catch (e) {
            console.error(e);
            say('Vortalin non è partito: ' + e + '. Ricaricare la pagina per riprovare.');
        }
    };
    window.addEventListener('load', start);
})();
