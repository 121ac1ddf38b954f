// Loci traced in one session (the worker's) and handed as bytes to another (the page's) draw and
// read exactly as if traced there; damaged bytes change nothing and give a message. Under Node,
// with the module of the web build.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";

const root = new URL("../../..", import.meta.url).pathname;
const modulePath = join(process.env.TRIMORA_WEB_BUILD ?? join(root, "build-web"), "web/trimora-core.mjs");
const { default: createTrimora } = await import(modulePath);
const core = await createTrimora({ wasmBinary: readFileSync(modulePath.replace(/\.mjs$/, ".wasm")) });

function session() {
  const s = new core.Session(821, 660);
  assert.equal(s.applyTopic("Feuerbach-Kreis"), "");
  return s;
}

function drawn(s) {
  const frame = s.paint();
  return { calls: [...frame.calls], reals: [...frame.reals], results: frame.results };
}

test("loci handed over as bytes are those traced in place", () => {
  const names = session().marks().names.filter((name) => /Höhenschnittpunkt|Umkreis/.test(name));
  assert.ok(names.length >= 2, names.join(", "));
  const [worker, page, here] = [session(), session(), session()];
  const traced = worker.tracedLoci(names, 2, 3);
  assert.equal(traced.error, "");
  assert.equal(here.traceLoci(names, 2, 3), "");
  const before = drawn(page);
  const damaged = [traced.bytes.slice(0, traced.bytes.length - 1), new Uint8Array([...traced.bytes, 0]),
                   new Uint8Array([255, 255, 255, 255])];
  for (const bytes of damaged) assert.equal(page.addLoci(bytes), "Die Ortslinie kam beschädigt an.");
  assert.deepEqual(drawn(page), before);
  assert.equal(page.addLoci(traced.bytes), "");
  assert.deepEqual(drawn(page), drawn(here));
  assert.notDeepEqual(drawn(page).results, before.results);
});
