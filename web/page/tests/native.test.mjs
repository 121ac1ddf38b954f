// The page against the desktop program (TRIMORA_NATIVE, by default the native build's trimora) and
// the web edition's command line: for a few states the page's picture matches the native PNG of the
// same triangle file and size (both blurred by a pixel, at most 1 % of the pixels differ: the fonts
// may), and its results text is the native --results -.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { launch, openPage } from "./browser.mjs";
import { decodePng, differingShare } from "./png.mjs";

const root = new URL("../../..", import.meta.url).pathname;
const native = process.env.TRIMORA_NATIVE ?? join(root, "build/app/trimora");
const webCli = join(process.env.TRIMORA_WEB_BUILD ?? join(root, "build-web"), "web/trimora-cli.js");
const kLargestShare = 0.01;

let browser;
let dir;
before(async () => {
  browser = await launch();
  dir = mkdtempSync(join(tmpdir(), "trimora-page-"));
});
after(async () => {
  await browser?.close();
  rmSync(dir, { recursive: true, force: true });
});

async function saved(page, name) {
  const file = page.waitForEvent("download");
  await page.getByRole("button", { name }).click();
  return readFileSync(await (await file).path());
}

// The page's state as a triangle file, its picture and its results; the same from the programs.
async function compare(page, name) {
  const tmo = join(dir, `${name}.tmo`);
  writeFileSync(tmo, await saved(page, "Daten speichern"));
  const results = (await saved(page, "Ergebnisse als Text")).toString("utf8");
  const [width, height, dataUrl] = await page
    .locator("#drawing")
    .evaluate((canvas) => [canvas.width, canvas.height, canvas.toDataURL("image/png")]);
  const args = ["--load", tmo, "--size", `${width}x${height}`, "--results", "-"];
  assert.equal(execFileSync("node", [webCli, ...args], { encoding: "utf8" }), results, `${name}: web command line`);
  if (!existsSync(native)) return `kein natives Programm unter ${native}`;
  const png = join(dir, `${name}.png`);
  const env = { ...process.env, QT_QPA_PLATFORM: "offscreen" };
  assert.equal(execFileSync(native, [...args, "--export", png], { encoding: "utf8", env }), results, `${name}: results`);
  const shown = decodePng(Buffer.from(dataUrl.split(",")[1], "base64"));
  const share = differingShare(shown, decodePng(readFileSync(png)));
  assert.ok(share <= kLargestShare, `${name}: ${(share * 100).toFixed(2)} % of the pixels differ`);
  return "";
}

test("start, a topic, a drag and every entry: the page draws and computes as the programs", async (t) => {
  const { page, context } = await openPage(browser, { viewport: { width: 1024, height: 768 } });
  const states = [
    ["start", async () => {}],
    ["thema", async () => page.getByLabel("Thema").selectOption("Feuerbach-Kreis")],
    ["gezogen", async () => {
      const box = await page.locator("#drawing").boundingBox();
      const ax = Number((await page.getByLabel("A x").inputValue()).replace(",", "."));
      const ay = Number((await page.getByLabel("A y").inputValue()).replace(",", "."));
      const [px, py] = [box.x + Math.floor(box.width / 2) + 100 * ax, box.y + Math.floor(box.height / 2) - 100 * ay];
      await page.mouse.move(px, py);
      await page.mouse.down();
      await page.mouse.move(px + 37, py - 23, { steps: 5 });
      await page.mouse.up();
      assert.notEqual(Number((await page.getByLabel("A x").inputValue()).replace(",", ".")), ax, "A was not dragged");
    }],
    ["alle", async () => {
      await page.locator("#drawing").focus();
      await page.keyboard.press("Control+F12");
    }],
  ];
  for (const [name, step] of states) {
    await step();
    const skipped = await compare(page, name);
    if (skipped) t.diagnostic(skipped);
  }
  assert.equal(states.length, 4);
  // The results measure in world units, whatever the zoom.
  const shown = (await saved(page, "Ergebnisse als Text")).toString("utf8");
  await page.getByRole("button", { name: "Vergrößern" }).click();
  await page.getByRole("button", { name: "Vergrößern" }).click();
  assert.equal((await saved(page, "Ergebnisse als Text")).toString("utf8"), shown, "the zoom changed the results");
  await context.close();
});
