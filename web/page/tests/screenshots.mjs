// Screenshots of the page at a phone's, a tablet's (both touch) and a desktop's size into the folder
// given (by default /tmp/trimora-page), for a look by eye: the start, a topic, the search, the
// results, the relations, a shared link opened and the printed page (as PDF).
import { mkdirSync } from "node:fs";
import { launch, openPage } from "./browser.mjs";

const out = process.argv[2] ?? "/tmp/trimora-page";
mkdirSync(out, { recursive: true });
const browser = await launch();
const sizes = [
  ["telefon", { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 3 }],
  ["tablet", { viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 }],
  ["desktop", { viewport: { width: 1440, height: 900 } }],
];
for (const [name, options] of sizes) {
  const { context, page, problems } = await openPage(browser, options);
  await page.screenshot({ path: `${out}/${name}-start.png` });
  await page.selectOption("#topic", "Feuerbach-Kreis").catch(() => page.selectOption("#topic", { index: 5 }));
  await page.screenshot({ path: `${out}/${name}.png`, fullPage: true });
  await page.click("#show-all");
  await page.getByLabel("Elemente suchen").fill("hohe");
  await page.keyboard.press("Tab");
  await page.screenshot({ path: `${out}/${name}-alles-suche.png` });
  await page.click("#results-mode");
  await page.screenshot({ path: `${out}/${name}-berechnung.png`, fullPage: true });
  await page.click("#results-mode");
  await page.getByText("Zusammenhänge", { exact: true }).click();
  await page.locator("#relations-list li").first().waitFor();
  await page.locator("#relations").scrollIntoViewIfNeeded();
  await page.screenshot({ path: `${out}/${name}-zusammenhaenge.png` });
  await page.getByText("Zusammenhänge", { exact: true }).click();
  await context.grantPermissions(["clipboard-read", "clipboard-write"]);
  await page.click("#share");
  await page.screenshot({ path: `${out}/${name}-link.png` });
  const other = await context.newPage();
  await other.goto(page.url());
  await other.reload();
  await other.locator("body[data-ready='1']").waitFor();
  await other.screenshot({ path: `${out}/${name}-link-geoeffnet.png` });
  await other.emulateMedia({ media: "print" });
  await other.screenshot({ path: `${out}/${name}-druck.png`, fullPage: true });
  if (name === "desktop") await other.pdf({ path: `${out}/druck.pdf`, preferCSSPageSize: true });
  console.log(name, problems.length ? problems : "ohne Fehler");
  await context.close();
}
await browser.close();
