// Times the peer package footinch (installed by scripts/bench --peer into the
// build folder, never into the sources) on the entry and the length that the
// typing-path benchmarks give the library: parsing "6 ' 4 1/2 \"" and
// formatting 76.5 inches as feet, inches and 16ths. Prints one JSON object:
// nanoseconds per call, the best of several timed rounds.
'use strict';
const path = require('path');
const footinch = require(path.resolve(process.argv[2], 'node_modules', 'footinch'));

const ENTRY = '6 \' 4 1/2 "';
const FEET = 76.5 / 12;

function time(call) {
    let sink = 0;
    let n = 1000;
    // Warm up (and let the JIT settle), then size the round to ~50 ms.
    for (;;) {
        const t0 = process.hrtime.bigint();
        for (let i = 0; i < n; ++i) sink += String(call()).length;
        const ns = Number(process.hrtime.bigint() - t0);
        if (ns > 5e7) break;
        n *= 2;
    }
    let best = Infinity;
    for (let round = 0; round < 10; ++round) {
        const t0 = process.hrtime.bigint();
        for (let i = 0; i < n; ++i) sink += String(call()).length;
        best = Math.min(best, Number(process.hrtime.bigint() - t0) / n);
    }
    if (sink === -1) console.error(sink);
    return best;
}

const format16 = footinch.format.FT.to.FT.IN.FRAC(16);
console.log(JSON.stringify({
    parse: time(() => footinch.parse.F(ENTRY)),
    format: time(() => format16(FEET)),
    format_text: format16(FEET),
}));
