// The page's speed in Debian's headless Chromium (PAGE_URL, served from 127.0.0.1): the medians of
// a drag step with every entry on (pointer move to the picture drawn, the page's "trimora-drawn"
// mark; and the work of the step alone), of the start from an empty cache to the first picture
// ("trimora-ready"), and of the relations list with every entry on ("trimora-relations").
import { launch, openPage } from "../tests/browser.mjs";

const kRuns = Number(process.env.RUNS ?? 9);
const kSteps = Number(process.env.STEPS ?? 60);
const kViewport = { viewport: { width: 1440, height: 900 } };

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const ms = (value) => `${value.toFixed(1)} ms`;

const browser = await launch();

// From an empty cache: each run in a new context, without a service worker.
const starts = [];
for (let run = 0; run < kRuns; ++run) {
  const context = await browser.newContext({ ...kViewport, serviceWorkers: "block" });
  const page = await context.newPage();
  await page.goto(process.env.PAGE_URL ?? "http://127.0.0.1:8080/");
  await page.locator("body[data-ready='1']").waitFor();
  starts.push(await page.evaluate(() => performance.getEntriesByName("trimora-ready")[0].startTime));
  await context.close();
}

const { page, context } = await openPage(browser, kViewport);
await page.locator("#drawing").focus();
await page.keyboard.press("Control+F12"); // every entry on
const box = await page.locator("#drawing").boundingBox();
const [ax, ay] = await Promise.all(["A x", "A y"].map(async (label) => Number((await page.getByLabel(label).inputValue()).replace(",", "."))));
const [px, py] = [box.x + Math.floor(box.width / 2) + 100 * ax, box.y + Math.floor(box.height / 2) - 100 * ay];

// Each pointer move's time, the first since the last picture; the picture's mark after it.
await page.evaluate(() => {
  const w = window;
  w.benchMoves = [];
  w.benchSteps = [];
  let moved = null;
  w.addEventListener("pointermove", () => (moved ??= performance.now()), { capture: true });
  new PerformanceObserver((list) => {
    for (const entry of list.getEntries())
      if (entry.name === "trimora-drawn" && moved !== null) {
        w.benchSteps.push(entry.startTime - moved);
        moved = null;
      }
  }).observe({ entryTypes: ["mark"] });
});
await page.mouse.move(px, py);
await page.mouse.down();
for (let step = 1; step <= kSteps; ++step) {
  await page.mouse.move(px + step, py + (step % 7));
  await page.waitForFunction((n) => window.benchSteps.length >= n, step);
}
await page.mouse.up();
const dragSteps = await page.evaluate(() => window.benchSteps);

// The work of one repaint with every entry on, without the wait for the next frame: an arrow key
// shifts the picture (the core paints, the page draws), timed from the key to the page's mark.
const frameWork = await page.evaluate(async (steps) => {
  const times = [];
  const canvas = document.querySelector("#drawing");
  for (let i = 0; i < steps; ++i) {
    await new Promise((done) => requestAnimationFrame(done));
    const start = performance.now();
    canvas.dispatchEvent(new KeyboardEvent("keydown", { key: i % 2 ? "ArrowLeft" : "ArrowRight", bubbles: true }));
    times.push(performance.getEntriesByName("trimora-drawn")[0].startTime - start);
  }
  return times;
}, kSteps);

const relations = [];
for (let run = 0; run < kRuns; ++run) {
  await page.evaluate(() => performance.clearMeasures("trimora-relations"));
  await page.getByText("Zusammenhänge", { exact: true }).click(); // open: the worker searches the list
  await page.waitForFunction(() => performance.getEntriesByName("trimora-relations").length > 0);
  relations.push(await page.evaluate(() => performance.getEntriesByName("trimora-relations")[0].duration));
  await page.getByText("Zusammenhänge", { exact: true }).click();
}
await context.close();
await browser.close();

console.log(`Ziehen, alle Elemente: Bewegung bis Bild ${ms(median(dragSteps))} (Median von ${dragSteps.length}; Ziel ≤ 16 ms)`);
console.log(`  Pfeiltaste bis Bild, alle Elemente (ohne Warten auf den nächsten Frame): ${ms(median(frameWork))}`);
console.log(`Leerer Cache bis erstes Bild: ${ms(median(starts))} (Median von ${starts.length}; Ziel ≤ 1500 ms)`);
console.log(`Zusammenhänge, alle Elemente: ${ms(median(relations))} (Median von ${relations.length}; Ziel ≤ 300 ms)`);
