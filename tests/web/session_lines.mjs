// Drives the page's module (trimora-core.mjs) as the page does and prints what the command line
// prints for the same topic: the result lines, then the relations, so that web_identical.sh can
// hold them against the desktop's `--topic T --results - --relations`.
// node session_lines.mjs MODULE.mjs TOPIC
import { readFileSync } from 'node:fs';

const [modulePath, topic] = process.argv.slice(2);
const { default: createTrimora } = await import(modulePath);
const core = await createTrimora({ wasmBinary: readFileSync(modulePath.replace(/\.mjs$/, '.wasm')) });
const session = new core.Session(821, 660);
let failure = session.applyTopic(topic);
// A data file written and read back must not change the triangle or the selection.
if (!failure) failure = session.loadDataFile(session.dataFileBytes());
if (failure) {
  process.stderr.write(`trimora: ${failure}\n`);
  process.exit(1);
}
const frame = session.paint();
if (frame.error || frame.calls.length === 0) {
  process.stderr.write(`trimora: keine Zeichnung: ${frame.error}\n`);
  process.exit(1);
}
const relations = session.relations(false, 200);
process.stdout.write(frame.results.map((line) => line + '\n').join('') + relations.text);
session.delete();
