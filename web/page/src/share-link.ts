// The shared link: what a user changed (the session's captured state: the six fields, the vertices'
// pixels, the switched entries and list items, the view) in the address's fragment, which no
// server sees. Version 1 reads
//   #v=1&f1=…&…&f6=…&a=x_y&b=x_y&c=x_y&e=0-3.7&l1=…&l2=…&l3=…&l4=…&s=0&z=1&o=x_y&w=00000
// with the fields URL-encoded, the vertices and the shift as pixels, the switched entries and list
// items as ascending numbers and runs, z the stretch and w the five view switches.

export const kShareVersion = 1;
export const kNewerLink =
  "Dieser Link stammt aus einer neueren Version von Trimora und lässt sich hier nicht öffnen. Gezeigt wird das Startdreieck.";
export const kDamagedLink = "Der Link ist beschädigt und lässt sich nicht öffnen. Gezeigt wird das Startdreieck.";

const kLongestField = 4096; // as the core's limit for a typed coordinate
const kListCount = 4;

// How many entries and list items there are: the lengths of the bit strings of a captured state.
export interface ShareSizes {
  entries: number;
  lists: number[];
}

export type ShareRead = { state: string } | { error: string } | null; // null: no link

// State key -> fragment key, for the values carried over as they are.
const kPairs: [string, string][] = [["vertex1", "a"], ["vertex2", "b"], ["vertex3", "c"], ["pan", "o"]];

function stateValues(state: string): Map<string, string> {
  const values = new Map<string, string>();
  for (const line of state.split("\n")) {
    const eq = line.indexOf("=");
    if (eq > 0) values.set(line.slice(0, eq), line.slice(eq + 1));
  }
  return values;
}

export function sizesOf(state: string): ShareSizes {
  const values = stateValues(state);
  const lists = [];
  for (let t = 1; t <= kListCount; ++t) lists.push(values.get(`list${t}`)?.length ?? 0);
  return { entries: values.get("entries")?.length ?? 0, lists };
}

// "0110111" -> "1-2.4-6"
function bitsToRuns(bits: string): string {
  const runs: string[] = [];
  for (let i = 0; i < bits.length; ++i) {
    if (bits[i] !== "1") continue;
    let end = i;
    while (bits[end + 1] === "1") ++end;
    runs.push(end === i ? `${i}` : `${i}-${end}`);
    i = end;
  }
  return runs.join(".");
}

// The reverse for `size` bits; null when the runs are malformed, unordered or out of range.
function runsToBits(runs: string, size: number): string | null {
  const bits = new Array<string>(size).fill("0");
  if (runs === "") return bits.join("");
  let next = 0;
  for (const run of runs.split(".")) {
    const m = /^(\d{1,6})(?:-(\d{1,6}))?$/.exec(run);
    if (!m) return null;
    const first = Number(m[1]);
    const last = m[2] === undefined ? first : Number(m[2]);
    if (first < next || last < first || last >= size) return null;
    for (let i = first; i <= last; ++i) bits[i] = "1";
    next = last + 1;
  }
  return bits.join("");
}

// The fragment (without "#") for a captured state.
export function encodeShare(state: string): string {
  const v = stateValues(state);
  const parts: [string, string][] = [["v", String(kShareVersion)]];
  for (let n = 1; n <= 6; ++n) parts.push([`f${n}`, v.get(`field${n}`) ?? ""]);
  for (const [key, short] of kPairs) parts.push([short, (v.get(key) ?? "").replace(" ", "_")]);
  parts.push(["e", bitsToRuns(v.get("entries") ?? "")]);
  for (let t = 1; t <= kListCount; ++t) parts.push([`l${t}`, bitsToRuns(v.get(`list${t}`) ?? "")]);
  parts.push(["s", v.get("selectAll") ?? "0"], ["z", v.get("stretch") ?? "1"], ["w", v.get("switches") ?? ""]);
  return parts.map(([key, value]) => `${key}=${encodeURIComponent(value)}`).join("&");
}

function read(fragment: string, sizes: ShareSizes): ShareRead {
  const values = new Map<string, string>();
  for (const part of fragment.split("&")) {
    const eq = part.indexOf("=");
    if (eq <= 0) return { error: kDamagedLink };
    const key = part.slice(0, eq);
    if (values.has(key)) return { error: kDamagedLink };
    values.set(key, decodeURIComponent(part.slice(eq + 1)));
  }
  const version = values.get("v") ?? "";
  if (!/^\d{1,9}$/.test(version) || Number(version) < 1) return { error: kDamagedLink };
  if (Number(version) > kShareVersion) return { error: kNewerLink };
  const lines: string[] = [];
  const take = (key: string): string | null => {
    const value = values.get(key);
    values.delete(key);
    return value === undefined || /[\r\n]/.test(value) ? null : value;
  };
  take("v");
  for (let n = 1; n <= 6; ++n) {
    const field = take(`f${n}`);
    if (field === null || field.length > kLongestField) return { error: kDamagedLink };
    lines.push(`field${n}=${field}`);
  }
  for (const [key, short] of kPairs) {
    const pair = take(short);
    if (pair === null || !/^-?\d{1,7}_-?\d{1,7}$/.test(pair)) return { error: kDamagedLink };
    lines.push(`${key}=${pair.replace("_", " ")}`);
  }
  const bitsOf = (short: string, size: number): string | null => {
    const runs = take(short);
    return runs === null ? null : runsToBits(runs, size);
  };
  const entries = bitsOf("e", sizes.entries);
  if (entries === null) return { error: kDamagedLink };
  lines.push(`entries=${entries}`);
  for (let t = 1; t <= kListCount; ++t) {
    const list = bitsOf(`l${t}`, sizes.lists[t - 1] ?? 0);
    if (list === null) return { error: kDamagedLink };
    lines.push(`list${t}=${list}`);
  }
  const all = take("s");
  const stretch = take("z");
  const switches = take("w");
  if (all === null || !/^[01]$/.test(all)) return { error: kDamagedLink };
  if (stretch === null || !/^[0-9.eE+-]{1,32}$/.test(stretch)) return { error: kDamagedLink };
  if (switches === null || !/^[01]{5}$/.test(switches)) return { error: kDamagedLink };
  if (values.size > 0) return { error: kDamagedLink }; // a key this version does not know
  lines.push(`selectAll=${all}`, `stretch=${stretch}`, `switches=${switches}`);
  return { state: lines.join("\n") + "\n" };
}

// The state a fragment carries, the German message why it cannot be read, or null for no link.
// The core checks the values' ranges once more when the state is restored.
export function parseShare(fragment: string, sizes: ShareSizes): ShareRead {
  const text = fragment.startsWith("#") ? fragment.slice(1) : fragment;
  if (text === "") return null;
  try {
    return read(text, sizes);
  } catch {
    return { error: kDamagedLink }; // a broken %-escape
  }
}
