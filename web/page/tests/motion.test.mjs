// A vertex moved by keyboard, the animation and a locus with its curve's name, in Chromium.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { launch, openPage } from "./browser.mjs";

let browser;
let opened;
before(async () => {
  browser = await launch();
  opened = await openPage(browser, { viewport: { width: 1024, height: 768 } });
});
after(async () => {
  await browser?.close();
});

const number = async (page, label) => Number((await page.getByLabel(label).inputValue()).replace(",", "."));

test("B chosen by its key moves by Shift and the arrows, 10 pixels a step", async () => {
  const { page } = opened;
  const [x, y] = [await number(page, "B x"), await number(page, "B y")];
  await page.locator("#drawing").focus();
  await page.keyboard.press("Shift+ArrowLeft");
  await page.getByText("Wählen Sie zuerst mit A, B oder C eine Ecke.").waitFor();
  await page.keyboard.press("b");
  await page.keyboard.press("Shift+ArrowLeft");
  await page.keyboard.press("Shift+ArrowUp");
  await page.keyboard.press("Shift+ArrowUp");
  assert.deepEqual([await number(page, "B x"), await number(page, "B y")], [x - 0.1, y + 0.2].map((v) => Math.round(v * 100) / 100));
  await page.keyboard.press("Control+z");
  assert.equal(await number(page, "B y"), Math.round((y + 0.1) * 100) / 100);
});

test("the animation moves its vertex until stopped, one undo step", async () => {
  const { page } = opened;
  await page.locator("#motion summary").click();
  await page.getByLabel("Ecke", { exact: true }).selectOption("A");
  await page.getByLabel("Bahn").selectOption("senkrecht");
  const y = await number(page, "A y");
  await page.getByRole("button", { name: "Animation starten" }).click();
  await page.waitForFunction((old) => document.querySelector("#field-1").value !== old, await page.getByLabel("A y").inputValue());
  await page.getByRole("button", { name: "Animation anhalten" }).click();
  assert.notEqual(await number(page, "A y"), y);
  await page.getByRole("button", { name: "Rückgängig" }).click();
  assert.equal(await number(page, "A y"), y);
});

test("the locus of the orthocentre while C runs sideways is the altitude through A", async () => {
  const { page } = opened;
  await page.getByLabel("Thema").selectOption("Feuerbach-Kreis");
  await page.getByLabel("Ecke", { exact: true }).selectOption("C");
  await page.getByLabel("Bahn").selectOption("waagerecht");
  await page.getByLabel("Punkt", { exact: true }).selectOption("Höhenschnittpunkt");
  await page.getByRole("button", { name: "Ortslinie zeichnen" }).click();
  const line = page.locator("#result-lines", { hasText: "Ortslinie von Höhenschnittpunkt" });
  await line.waitFor({ state: "attached" });
  // B and C lie on one horizontal line: the altitude from A is the vertical through A.
  assert.equal(await page.getByLabel("B y").inputValue(), await page.getByLabel("C y").inputValue());
  const ax = await page.getByLabel("A x").inputValue();
  assert.match(await line.textContent(), new RegExp(`Ortslinie von Höhenschnittpunkt\\tGerade, X = ${ax} ; Anstiegswinkel 90°`));
});
