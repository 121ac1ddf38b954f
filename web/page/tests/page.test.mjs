// The page in Chromium as a user sees it: the drawing, a topic's results, dragging a vertex,
// undo, and no serious accessibility faults. PAGE_URL names the served page.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { after, before, test } from "node:test";
import AxeBuilder from "@axe-core/playwright";
import { inkedPixels, launch, openPage } from "./browser.mjs";

let browser;
let opened;
before(async () => {
  browser = await launch();
  opened = await openPage(browser, { viewport: { width: 1024, height: 768 } });
});
after(async () => {
  await browser?.close();
});

test("the drawing shows the start triangle", async () => {
  const { page, problems } = opened;
  assert.ok((await inkedPixels(page)) > 2000, "the canvas stays blank");
  assert.deepEqual(problems, []);
});

// Where the start triangle's vertex A is drawn: the origin is the drawing's centre, a unit 100 pixels.
async function vertexA(page) {
  const box = await page.locator("#drawing").boundingBox();
  const [x, y] = [await page.getByLabel("A x").inputValue(), await page.getByLabel("A y").inputValue()].map((t) =>
    Number(t.replace(",", ".")),
  );
  return [box.x + Math.floor(box.width / 2) + 100 * x, box.y + Math.floor(box.height / 2) - 100 * y];
}

test("a vertex dragged by mouse rewrites its fields, and undo takes it back", async () => {
  const { page } = opened;
  const ax = page.getByLabel("A x");
  const ay = page.getByLabel("A y");
  const start = [await ax.inputValue(), await ay.inputValue()];
  const [px, py] = await vertexA(page);
  await page.mouse.move(px, py);
  await page.mouse.down();
  await page.mouse.move(px + 30, py + 20, { steps: 4 });
  await page.mouse.up();
  await assert.doesNotReject(async () => {
    await page.waitForFunction((old) => document.querySelector("#field-0").value !== old, start[0]);
  });
  await page.locator("#drawing").focus();
  await page.keyboard.press("Control+z");
  await page.waitForFunction((old) => document.querySelector("#field-0").value === old, start[0]);
  assert.equal(await ay.inputValue(), start[1]);
});

test("a finger a little beside a vertex drags it", async () => {
  const tablet = await openPage(browser, { viewport: { width: 1024, height: 768 }, hasTouch: true });
  const { page } = tablet;
  const before = await page.getByLabel("A x").inputValue();
  const [px, py] = await vertexA(page);
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, x, y) =>
    cdp.send("Input.dispatchTouchEvent", { type, touchPoints: type === "touchEnd" ? [] : [{ x, y }] });
  await touch("touchStart", px + 10, py + 8);
  for (const d of [10, 20, 30]) await touch("touchMove", px + 10 + d, py + 8);
  await touch("touchEnd");
  await page.waitForFunction((old) => document.querySelector("#field-0").value !== old, before);
  await tablet.context.close();
});

test("two fingers moving apart off the vertices zoom in", async () => {
  const tablet = await openPage(browser, { viewport: { width: 1024, height: 768 }, hasTouch: true });
  const { page } = tablet;
  const box = await page.locator("#drawing").boundingBox();
  const [x, y] = [box.x + 40, box.y + 60];
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, points) =>
    cdp.send("Input.dispatchTouchEvent", { type, touchPoints: points.map(([px, py], id) => ({ x: px, y: py, id })) });
  await touch("touchStart", [[x, y]]);
  await touch("touchStart", [[x, y], [x + 40, y + 40]]);
  for (const d of [60, 80, 100]) await touch("touchMove", [[x, y], [x + d, y + d]]);
  await touch("touchEnd", []);
  const undo = page.getByRole("button", { name: "Rückgängig" });
  await undo.and(page.locator(":enabled")).waitFor();
  // The same picture as one step of "Vergrößern".
  const picture = () => page.locator("#drawing").evaluate((canvas) => canvas.toDataURL());
  const pinched = await picture();
  await undo.click();
  await page.getByRole("button", { name: "Vergrößern" }).click();
  assert.equal(await picture(), pinched);
  await tablet.context.close();
});

test("a file that is no triangle file gets a German message", async () => {
  const { page } = opened;
  const fields = await page.getByLabel("A x").inputValue();
  await page.locator("#file").setInputFiles({ name: "bild.tmo", mimeType: "image/png", buffer: Buffer.from([0x89, 0x50, 0x4e, 0x47, 0, 1, 2, 3]) });
  await page.getByText("keine Trimora-Dreiecksdatei").waitFor();
  assert.equal(await page.getByLabel("A x").inputValue(), fields);
});

test("a triangle saved as a file and opened again comes back", async () => {
  const { page } = opened;
  const saved = page.waitForEvent("download");
  await page.getByRole("button", { name: "Daten speichern" }).click();
  const file = await saved;
  assert.match(file.suggestedFilename(), /\.tmo$/);
  const bytes = readFileSync(await file.path());
  const ax = await page.getByLabel("A x").inputValue();
  await page.getByLabel("A x").fill("0,5");
  await page.getByRole("button", { name: "Darstellung" }).click();
  await page.locator("#file").setInputFiles({ name: "dreieck.tmo", mimeType: "application/octet-stream", buffer: bytes });
  await page.waitForFunction((old) => document.querySelector("#field-0").value === old, ax);
});

test("a triangle file opened and saved again keeps its bytes", async () => {
  const { page } = opened;
  // Fields, then the checked items of the four lists, each list ended by "#".
  const lines = ["1", "2", "-2", "-1", "2", "-1", "Punkt A", "Umkreis", "#", "#", "Lucas-Kreise", "#", "#"];
  const bytes = Buffer.from(lines.map((line) => `${line}\r\n`).join(""), "latin1");
  await page.locator("#file").setInputFiles({ name: "grund.tmo", mimeType: "application/octet-stream", buffer: bytes });
  await page.waitForFunction(() => [...document.querySelectorAll(".fields input")].map((i) => i.value).join(";") === "1;2;-2;-1;2;-1");
  const saved = page.waitForEvent("download");
  await page.getByRole("button", { name: "Daten speichern" }).click();
  assert.deepEqual(readFileSync(await (await saved).path()), bytes);
});

test("a topic's results name the centroid", async () => {
  const { page } = opened;
  const titles = await page.locator("#topic option").allTextContents();
  assert.ok(titles.length > 50, `only ${titles.length} topics`);
  await page.getByLabel("Thema").selectOption("Feuerbach-Kreis");
  await page.getByRole("button", { name: "Berechnung" }).click();
  await page.getByText("Schwerpunkt S").first().waitFor();
  const table = page.waitForEvent("download");
  await page.getByRole("button", { name: "Ergebnisse als CSV" }).click();
  assert.match(readFileSync(await (await table).path(), "utf8"), /Schwerpunkt S/);
  await page.getByRole("button", { name: "Berechnung" }).click();
  assert.ok((await inkedPixels(page)) > 2000);
});

test("the page answers while the relations of every entry are searched", async () => {
  const { page } = opened;
  const results = page.getByRole("button", { name: "Berechnung" });
  await page.locator("#drawing").focus();
  await page.keyboard.press("Control+F12");
  await page.getByText("Zusammenhänge", { exact: true }).click();
  // Shown at all only when the search leaves the page's thread free.
  await page.locator("#relations-list[aria-busy='true']").waitFor({ state: "attached" });
  assert.equal(await page.locator("#relations-count").textContent(), "wird berechnet …");
  await results.click();
  assert.equal(await results.getAttribute("aria-pressed"), "true");
  await results.click();
  await page.locator("#relations-list:not([aria-busy])").waitFor({ state: "attached" });
  assert.ok((await page.locator("#relations-list li").count()) > 10);
  await page.getByText("Zusammenhänge", { exact: true }).click();
  await page.getByRole("button", { name: "Auswahl leeren" }).click();
});

test("a field that cannot be read is marked", async () => {
  const { page } = opened;
  await page.getByLabel("B y").fill("2+*3");
  await page.getByRole("button", { name: "Darstellung" }).click();
  await page.locator("#field-3[aria-invalid='true']").waitFor();
});

test("no serious or critical accessibility faults", async () => {
  const { page } = opened;
  const { violations } = await new AxeBuilder({ page }).analyze();
  const grave = violations.filter((v) => v.impact === "serious" || v.impact === "critical");
  assert.deepEqual(grave.map((v) => `${v.id}: ${v.help}`), []);
});

test("the relations beside the picture, narrowed by a filter and by a place", async () => {
  const { page, context } = await openPage(browser, { viewport: { width: 1440, height: 900 } });
  await page.getByLabel("Thema").selectOption("Feuerbach-Kreis");
  await page.getByText("Zusammenhänge", { exact: true }).click();
  const rows = page.locator("#relations-list li");
  await rows.first().waitFor();
  assert.ok(await page.locator("#drawing").isVisible(), "the picture stays beside the list");
  const total = await rows.count();
  await page.getByLabel("Filter").fill("HOHENSCHNITTPUNKT"); // accent- and case-blind
  const filtered = await rows.count();
  assert.ok(filtered > 0 && filtered < total, `${filtered} of ${total}`);
  assert.match(await page.locator("#relations-count").textContent(), new RegExp(`^${filtered} von ${total} `));
  await page.getByLabel("Filter").fill("");
  const place = (await page.locator("#relations-place option").allTextContents()).find((p) => p.startsWith("Schwerpunkt"));
  assert.ok(place, "the centroid is a place to choose");
  await page.getByLabel("Ort").selectOption(place);
  for (const text of await rows.allTextContents()) assert.ok(text.includes(place), text);
  await context.close();
});
