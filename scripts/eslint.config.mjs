// ESLint's own recommended rules for the project's JavaScript (scripts/js-lint).
import { createRequire } from 'node:module';
import path from 'node:path';

// ESLint's packages live in the tree's .tools/eslint, not beside this file.
const require = createRequire(path.resolve('.tools/eslint/node_modules/'));
const js = require('@eslint/js');
const globals = require('globals');

export default [
    js.configs.recommended,
    {
        files: ['packaging/web/**/*.js'],
        languageOptions: {
            sourceType: 'script',
            globals: { ...globals.browser, ...globals.serviceworker, qtLoad: 'readonly' },
        },
    },
    {
        // emscripten's JavaScript library: the names below are emscripten's,
        // and those starting with "vortalin" are this library's own.
        files: ['ui/**/*.js'],
        languageOptions: {
            sourceType: 'script',
            globals: {
                ...globals.browser,
                addToLibrary: 'readonly',
                Asyncify: 'readonly',
                FS: 'readonly',
                IDBFS: 'readonly',
                UTF8ToString: 'readonly',
                getWasmTableEntry: 'readonly',
                handleException: 'readonly',
                safeSetTimeout: 'readonly',
                vortalinMaps: 'readonly',
                vortalinSuspendable: 'readonly',
                vortalinKeyboardInput: 'writable',
            },
        },
    },
];
