// The element search ignores case and accents.
import assert from "node:assert/strict";
import { test } from "node:test";
import { foldForSearch } from "../../src/element-lists.ts";

test("case, umlauts, accents and ß fold alike", () => {
  const cases: [string, string][] = [
    ["Höhenschnittpunkt", "hohenschnittpunkt"],
    ["HÖHE", "hohe"],
    ["Poncelet-Punkt (é)", "poncelet-punkt (e)"],
    ["Außenwinkel", "aussenwinkel"],
  ];
  for (const [text, folded] of cases) assert.equal(foldForSearch(text), folded);
  assert.equal(cases.length, 4);
});
