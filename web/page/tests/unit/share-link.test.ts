// The shared link: a captured state goes through the fragment unchanged; damaged fragments and
// fragments of a newer version are refused with their German message.
import assert from "node:assert/strict";
import { test } from "node:test";
import { encodeShare, kDamagedLink, kNewerLink, parseShare, sizesOf } from "../../src/share-link.ts";

const sizes = { entries: 12, lists: [3, 4, 2, 5] };
const state = [
  "field1=-2,5", "field2=sqrt(2)&x=1#", "field3=1", "field4=0", "field5=0", "field6=3",
  "vertex1=-250 -400", "vertex2=100 0", "vertex3=0 -300",
  "entries=011100000011", "list1=101", "list2=0000", "list3=11", "list4=01110",
  "pan=-20 7", "selectAll=0", "stretch=1.25", "switches=10001",
].join("\n") + "\n";

test("a captured state comes back from its fragment", () => {
  assert.deepEqual(sizesOf(state), sizes);
  const fragment = encodeShare(state);
  assert.match(fragment, /^v=1&/);
  assert.match(fragment, /&e=1-3\.10-11&/);
  const read = parseShare(`#${fragment}`, sizes);
  assert.ok(read && "state" in read);
  const lines = (text: string) => text.split("\n").sort(); // the order of the keys does not matter
  assert.deepEqual(lines(read.state), lines(state));
});

test("bad and newer fragments are refused, an empty one is no link", () => {
  const good = encodeShare(state);
  const cases: [string, string | null][] = [
    ["", null],
    ["#", null],
    ["#hallo", kDamagedLink],
    [good.replace("v=1", "v=2"), kNewerLink],
    [good.replace("v=1", "v=0"), kDamagedLink],
    [good.replace("v=1&", ""), kDamagedLink],                 // no version
    [good.replace("&e=1-3.10-11", "&e=1-3.10-12"), kDamagedLink], // entry beyond the catalogue
    [good.replace("&e=1-3.10-11", "&e=10-11.1-3"), kDamagedLink], // runs out of order
    [good.replace("&e=1-3.10-11", "&e=3-1"), kDamagedLink],
    [good.replace("&a=-250_-400", "&a=-250"), kDamagedLink],
    [good.replace("&w=10001", "&w=1000"), kDamagedLink],
    [good.replace("&s=0", "&s=ja"), kDamagedLink],
    [good.replace("&f1=", "&f1=%0A"), kDamagedLink],           // a second line in a field
    [good.replace("&f1=", "&f1=%E0%A4%A"), kDamagedLink],      // a broken escape
    [`${good}&q=1`, kDamagedLink],                            // a key version 1 does not know
    [`${good}&s=0`, kDamagedLink],                            // a key twice
    [good.slice(0, good.length / 2), kDamagedLink],           // cut off
  ];
  for (const [fragment, message] of cases) {
    const read = parseShare(fragment, sizes);
    assert.deepEqual(read, message === null ? null : { error: message }, fragment);
  }
  assert.equal(cases.length, 17);
});
