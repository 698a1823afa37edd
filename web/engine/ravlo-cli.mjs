#!/usr/bin/env node
// ravlo-cli on Node.js: the desktop's command-line contract, computed by the WebAssembly build.
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const createRavloCli = createRequire(import.meta.url)('./ravlo-cli-engine.cjs');
// Handing over the bytes keeps the loader off fetch(), which cannot read a file path.
createRavloCli({
  arguments: process.argv.slice(2),
  thisProgram: 'ravlo-cli',
  wasmBinary: readFileSync(join(here, 'ravlo-cli-engine.wasm')),
});
