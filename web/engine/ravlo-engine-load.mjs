// Loads the engine module in a page, a worker or Node.js; the page and the tests share it.
import createRavloEngine from './ravlo-engine.mjs';

export async function loadRavloEngine(options = {}) {
  if (typeof process !== 'object' || !process.versions?.node) return createRavloEngine(options);
  const { createRequire } = await import('node:module');
  const { readFileSync } = await import('node:fs');
  const { fileURLToPath } = await import('node:url');
  // Emscripten 3.1.6's loader reaches for CommonJS's require and __dirname under Node, and
  // Node's fetch cannot read a file: hand it both, and the bytes.
  globalThis.require ??= createRequire(import.meta.url);
  globalThis.__dirname ??= fileURLToPath(new URL('.', import.meta.url));
  const wasmBinary = readFileSync(new URL('./ravlo-engine.wasm', import.meta.url));
  return createRavloEngine({ wasmBinary, ...options });
}
