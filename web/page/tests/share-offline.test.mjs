// The shared link, the page without a network, the picture's files and the printed page, in
// Chromium as a user meets them. PAGE_URL names the served page.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { after, before, test } from "node:test";
import { inkedPixels, launch, openPage } from "./browser.mjs";

const kViewport = { viewport: { width: 1024, height: 768 } };
let browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser?.close();
});

const picture = (page) => page.locator("#drawing").evaluate((canvas) => canvas.toDataURL());
const fields = (page) => page.locator(".fields input").evaluateAll((inputs) => inputs.map((i) => i.value));

test("a copied link opens the same picture in a new page", async () => {
  const { page, context } = await openPage(browser, kViewport);
  await context.grantPermissions(["clipboard-read", "clipboard-write"]);
  await page.getByLabel("Thema").selectOption("Feuerbach-Kreis");
  await page.getByRole("button", { name: "Vergrößern" }).click();
  await page.getByLabel("A x").fill("-2,5");
  await page.getByRole("button", { name: "Darstellung" }).click();
  await page.getByRole("button", { name: "Link kopieren" }).click();
  await page.getByText("Link kopiert").waitFor();
  const link = await page.evaluate(() => navigator.clipboard.readText());
  assert.equal(link, page.url());
  assert.match(new URL(link).hash, /^#v=1&/);
  const shown = await picture(page);
  const other = await openPage(browser, kViewport);
  await other.page.goto(link);
  await other.page.reload(); // a new page: the link is read at the start
  await other.page.locator("body[data-ready='1']").waitFor();
  assert.deepEqual(await fields(other.page), await fields(page));
  assert.equal(await picture(other.page), shown);
  assert.equal(await other.page.locator("#status").textContent(), "");
  await context.close();
  await other.context.close();
});

test("a damaged link and one of a newer version open the start triangle with a message", async () => {
  const fresh = await openPage(browser, kViewport);
  const start = await fields(fresh.page);
  const links = [
    ["#v=1&f1=2&f2=3", "Der Link ist beschädigt"],
    ["#v=1&f1=1&f2=0&f3=0&f4=1&f5=0&f6=0&a=0_0&b=5_5&c=9_0&o=0_0&e=&l1=&l2=&l3=&l4=&s=0&z=-7&w=00000", "Der Link ist beschädigt"],
    ["#v=7&neu=1", "neueren Version"],
  ];
  for (const [hash, message] of links) {
    const { page, context, problems } = await openPage(browser, kViewport);
    await page.goto(`${process.env.PAGE_URL}${hash}`);
    await page.reload();
    await page.locator("body[data-ready='1']").waitFor();
    await page.locator("#status", { hasText: message }).waitFor();
    assert.deepEqual(await fields(page), start, hash);
    assert.ok((await inkedPixels(page)) > 2000, hash);
    assert.deepEqual(problems, []);
    await context.close();
  }
  await fresh.context.close();
});

test("after the first visit the page works without a network", async () => {
  const { page, context } = await openPage(browser, kViewport);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await page.reload();
  await page.locator("body[data-ready='1']").waitFor();
  assert.ok((await inkedPixels(page)) > 2000);
  await context.close();
});

test("the picture downloads as PNG, SVG and TikZ, and prints on one A4 page as it is shown", async () => {
  const { page, context } = await openPage(browser, kViewport);
  await page.getByLabel("Thema").selectOption("Feuerbach-Kreis");
  const saved = async (name) => {
    const file = page.waitForEvent("download");
    await page.getByRole("button", { name }).click();
    return readFileSync(await (await file).path());
  };
  const png = await saved("Bild als PNG");
  assert.deepEqual([...png.subarray(0, 4)], [0x89, 0x50, 0x4e, 0x47]);
  const svg = (await saved("Bild als SVG")).toString("utf8");
  assert.match(svg, /<svg[^>]*viewBox="0 0 \d+ \d+"/);
  assert.match(svg, /<text[^>]*>[^<]*F[^<]*<\/text>/);
  const tikz = (await saved("Bild als TikZ")).toString("utf8");
  assert.match(tikz, /\\begin\{tikzpicture\}[\s\S]*\\end\{tikzpicture\}/);
  await page.getByRole("button", { name: "Vergrößern" }).click();
  const before = await picture(page);
  await page.emulateMedia({ media: "print" }); // the page laid out for paper, as window.print() does
  const frames = () => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  await frames();
  const pdf = (await page.pdf({ preferCSSPageSize: true })).toString("latin1");
  await page.emulateMedia({ media: "screen" });
  await frames();
  assert.equal(await picture(page), before, "printing changed the view");
  assert.equal(pdf.match(/\/Type\s*\/Page\b/g)?.length, 1, "pages printed");
  assert.match(pdf, /\/MediaBox \[0 0 59[45]\.\d+ 84[12]\.\d+\]/);
  await context.close();
});
