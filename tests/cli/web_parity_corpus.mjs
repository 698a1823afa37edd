// The desktop's ravlo-cli and the web edition's answer a generated corpus of questions, command
// by command and answer form by answer form; every output line, every message on standard
// error and every exit status must be the same bytes.
//   node web_parity_corpus.mjs DESKTOP_CLI WEB_CLI [QUESTIONS]
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const [desktop, web, countArg] = process.argv.slice(2);
if (!desktop || !web) {
  console.error('usage: node web_parity_corpus.mjs DESKTOP_CLI WEB_CLI [QUESTIONS]');
  process.exit(2);
}
const questionCount = Number(countArg ?? 10000);
const source = join(dirname(fileURLToPath(import.meta.url)), '..', '..');

// A fixed generator of its own, so the corpus is the same on every run and machine.
function makeRandom(seed) {
  let s = seed >>> 0;
  const next = () => {
    s = (s + 0x6d2b79f5) >>> 0;
    let t = s;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const int = (lo, hi) => lo + Math.floor(next() * (hi - lo + 1));
  const pick = (list) => list[int(0, list.length - 1)];
  return { next, int, pick };
}
const R = makeRandom(20);

function digits(n) {
  let s = String(R.int(1, 9));
  while (s.length < n) s += String(R.int(0, 9));
  return s;
}

function number() {
  const d = R.int(2, R.next() < 0.8 ? 12 : 99);
  switch (R.int(0, 9)) {
    case 0: case 1: return String(R.int(0, 20));
    case 2: return digits(R.int(2, 6));
    case 3: case 4: return `${d}b${R.int(1, 2 * d)}`;
    case 5: return `${R.int(1, 9)}k${d}b${R.int(1, d - 1)}`;
    case 6: return `${R.int(0, 30)}.${digits(R.int(1, 4))}`;
    case 7: return `${R.int(0, 3)}.${R.next() < 0.5 ? '' : digits(R.int(1, 2))}@${digits(R.int(1, 3))}`;
    case 8: return R.next() < 0.3 ? R.pick(['9223372036854775807', '4611686018427387904', digits(R.int(10, 19))])
                                   : digits(R.int(3, 9));
    default: return `${d * R.int(1, 9)}b${R.int(1, 99)}`;
  }
}

function term(depth) {
  const roll = R.next();
  if (depth > 0 && roll < 0.12) return `(${expression(depth - 1)})`;
  if (depth > 0 && roll < 0.17) return `[${expression(depth - 1).replace(/[()\[\]]/g, '')}B${R.int(1, 9)}]`;
  if (roll < 0.2) return `${R.int(0, 12)}!`;
  if (roll < 0.23) return `${R.int(2, 9)}${R.pick(['P', 'C'])}${R.int(0, 4)}`;
  const n = number();
  // A fraction under a power and a negative number after an operator are typed in brackets.
  if (roll < 0.3) return `${/[bk.]/.test(n) ? `(${n})` : n}^${R.int(0, 4)}`;
  return R.next() < 0.08 ? `(m${n})` : n;
}

function expression(depth) {
  let s = term(depth);
  const terms = R.int(1, 3);
  for (let i = 0; i < terms; ++i) s += R.pick(['+', '-', '*', '/']) + term(depth);
  return s;
}

function equation() {
  const side = () => `${number()}x${R.pick(['+', '-'])}${number()}`;
  switch (R.int(0, 4)) {
    case 0: return `${side()}=${number()}`;
    case 1: return `${side()}${R.pick(['<', '>', '<=', '>='])}${number()}`;
    case 2: return `x:${number()}=${number()}:${number()}`;
    case 3: return `${number()}(x${R.pick(['+', '-'])}${number()})=${side()}`;
    default: return `${number()}:${number()}`;
  }
}

// What a lesson works on: two or three fractions, mixed numbers, whole numbers or decimals
// under one or two operations, the questions that get worked solutions.
function lesson() {
  const operand = () => {
    const d = R.int(2, 15);
    switch (R.int(0, 5)) {
      case 0: return String(R.int(1, 12));
      case 1: return `${R.int(1, 5)}k${d}b${R.int(1, d - 1)}`;
      case 2: return `${R.int(0, 9)}.${digits(R.int(1, 2))}`;
      default: return `${d}b${R.int(1, d + 3)}`;
    }
  };
  let s = operand();
  const terms = R.next() < 0.7 ? 1 : 2;
  for (let i = 0; i < terms; ++i) s += R.pick(['+', '-', '*', '/']) + operand();
  return s;
}

function question() {
  const roll = R.next();
  if (roll < 0.3) return lesson();
  if (roll < 0.42) return equation();
  if (roll < 0.55) return number();
  return expression(R.int(0, 2));
}

// Real inputs from the fuzzers' seed corpora join the generated ones: every shape they found.
function seedQuestions() {
  const lines = [];
  for (const folder of ['evaluator', 'checker', 'solver', 'process']) {
    const dir = join(source, 'fuzz', 'corpus', folder);
    for (const name of readdirSync(dir).sort()) {
      for (const line of readFileSync(join(dir, name), 'latin1').split('\n'))
        if (line.length > 0 && line.length < 200) lines.push(line);
    }
  }
  return lines;
}

const questions = [...new Set([...seedQuestions(), ...Array.from({ length: questionCount }, question)])]
  .slice(0, Math.max(questionCount, 1));
const numbers = questions.filter((q) => /^[0-9bk.@]+$/.test(q));
const wholes = Array.from({ length: 600 }, (_, i) =>
  i < 200 ? String(R.int(1, 100000)) : i < 400 ? digits(R.int(6, 12)) : digits(R.int(13, 18)));
const bases = Array.from({ length: 600 }, () => {
  const from = R.int(2, 16), to = R.int(2, 16);
  const value = R.int(0, 1e6).toString(from).toUpperCase();
  return R.pick([`${value}>(${to}`, `${value}(${from}>${to})`, `${value}(${from})`, `${value}>(${to})`]);
});
const realArgs = (pair) => Array.from({ length: 120 }, () => {
  const one = () => R.pick([`${R.int(0, 99)}.${digits(R.int(1, 8))}`, String(R.int(1, 5000)), `0.${digits(3)}`,
    `${R.int(1, 9)}/${R.int(1, 9)}`, 'pai', 'exp', `-${R.int(0, 3)}.${digits(2)}`]);
  return pair ? `${one()},${R.int(1, 12)}` : one();
});

const runs = [];
const add = (args, lines) => runs.push({ args, lines });
for (const forms of [[], ['--anssyu', '0', '--syoudsp', '1'], ['--anssyu', '1'], ['--anssyu', '1', '--syoudsp', '1'],
  ['--anssyu', '2'], ['--anssyu', '2', '--syoudsp', '1'], ['--wari-type', '1'], ['--wari-type', '1', '--wari-pnt', '0'],
  ['--wari-type', '1', '--wari-pnt', '3']])
  add(['calc', ...forms, '-'], questions);
add(['check', '-'], questions);
add(['check', '--kakeru-abr', '1', '-'], questions);
add(['process', '-'], questions);
add(['process', '--betsukai', '1', '-'], questions);
add(['process', '--proclastans', '1', '--henkan-yakubun', '1', '-'], questions);
for (const kind of ['yaku', 'syou', 'junkan', 'tai', 'ka', 'junkan-of', 'decimal']) {
  add(['convert', kind, '-'], numbers);
  add(['convert', '--process', kind, '-'], numbers);
}
add(['factor', '-'], wholes);
add(['factor', '--wa-type', '1', '--1gyou-suu', '5', '-'], wholes.slice(0, 200));
add(['base', '-'], bases);
for (const f of ['sqrt', 'log10', 'ln', 'inv', 'sin', 'cos', 'tan', 'asin', 'acos', 'atan'])
  add(['real', f, '-'], realArgs(false));
for (const f of ['pow', 'gcd', 'lcm']) add(['real', f, '-'], realArgs(true));

function run(program, args, input) {
  const r = spawnSync(program, args, { input, maxBuffer: 1 << 30 });
  return { status: r.status, out: r.stdout, err: r.stderr };
}

// The real-number calculator works in 80-bit reals; where the web edition's functions round
// the last bit otherwise, its field may differ by that bit: within 2 units of the 64-bit
// significand, and the same text wherever the values agree.
function realWithinBound(a, b) {
  if (a === 'n' || b === 'n') return a === b;
  const x = Number(a), y = Number(b);
  if (!Number.isFinite(x) || !Number.isFinite(y)) return false;
  return Math.abs(x - y) <= Math.max(Math.abs(x), 1e-300) * 2 ** -62 + 1e-18;
}

let compared = 0, identical = 0, bounded = 0;
const failures = [];
for (const { args, lines } of runs) {
  const input = lines.join('\n') + '\n';
  const a = run(desktop, args, input), b = run(web, args, input);
  const outA = a.out.toString('latin1').split('\n'), outB = b.out.toString('latin1').split('\n');
  const same = a.status === b.status && a.err.equals(b.err) && outA.length === outB.length;
  if (!same) failures.push(`${args.join(' ')}: exit ${a.status}/${b.status}, ` +
    `${a.err.length}/${b.err.length} bytes on stderr, ${outA.length}/${outB.length} lines`);
  for (let i = 0; i < lines.length; ++i) {
    ++compared;
    if (outA[i] === outB[i]) { ++identical; continue; }
    if (args[0] === 'real' && realWithinBound(outA[i], outB[i])) { ++bounded; continue; }
    if (failures.length < 20)
      failures.push(`${args.join(' ')} <<${lines[i]}>>\n  desktop ${Buffer.from(outA[i] ?? '', 'latin1')}\n  web     ${Buffer.from(outB[i] ?? '', 'latin1')}`);
  }
}

// Notebooks: 50 problems each, as code page 932 with CR LF and as UTF-8, computed in place.
const folder = mkdtempSync(join(tmpdir(), 'ravlo-parity-'));
let notebooks = 0, notebooksSame = 0;
try {
  for (let n = 0; n < 12; ++n) {
    const problems = questions.slice(n * 50, n * 50 + 50);
    const body = problems.map((q) => (R.next() < 0.5 ? `${q}=` : q)).join('\r\n') + '\r\n';
    const bytes = n % 2 === 0 ? Buffer.from(`#問題集${n}\r\n${body}`, 'utf8') : Buffer.from(body, 'latin1');
    const results = [desktop, web].map((program) => {
      const file = join(folder, `${n}-${program === desktop ? 'desktop' : 'web'}.siki`);
      writeFileSync(file, bytes);
      const r = run(program, ['notebook', 'compute', file], '');
      return { ...r, saved: readFileSync(file), err: r.err.toString().replaceAll(file, 'FILE') };
    });
    ++notebooks;
    const [x, y] = results;
    if (x.status === y.status && x.err === y.err && x.saved.equals(y.saved)) ++notebooksSame;
    else failures.push(`notebook ${n}: exit ${x.status}/${y.status}, saved ${x.saved.length}/${y.saved.length} bytes`);
  }
} finally {
  rmSync(folder, { recursive: true, force: true });
}

console.log(`web parity of the corpus: ${identical + notebooksSame} of ${compared + notebooks} identical ` +
  `(${questions.length} questions, ${runs.length} batches, ${notebooks} notebooks)` +
  (bounded ? `; ${bounded} real-number fields differ within the last bit of the 80-bit significand` : ''));
for (const f of failures) console.log(f);
process.exit(failures.length === 0 ? 0 : 1);
