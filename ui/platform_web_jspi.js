// For the program built for JavaScript Promise Integration: the browser
// suspends a call into the program only when the call was made through
// WebAssembly.promising. Qt's timers and its deferred calls (where a
// message box, a paced flight or a storage wait may begin) enter the
// program through these two, so they enter it that way. Their callbacks
// return nothing, so the promise they return in its place is no loss. The
// other ways in are listed where the program is linked (CMakeLists.txt).
'use strict';

addToLibrary({
    $vortalinSuspendable__deps: ['$getWasmTableEntry', '$handleException'],
    $vortalinSuspendable: (pointer, argument) => {
        WebAssembly.promising(getWasmTableEntry(pointer))(argument).catch(handleException);
    },

    emscripten_set_timeout__deps: ['$safeSetTimeout', '$vortalinSuspendable'],
    emscripten_set_timeout: (callback, milliseconds, userData) =>
        safeSetTimeout(() => vortalinSuspendable(callback, userData), milliseconds),

    emscripten_async_call__deps: ['$safeSetTimeout', '$vortalinSuspendable'],
    emscripten_async_call: (callback, argument, milliseconds) => {
        safeSetTimeout(() => vortalinSuspendable(callback, argument), Math.max(milliseconds, 0));
    },
});
