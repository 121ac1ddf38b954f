// Screenshots of the page at a phone's, a small and a larger screen's size into the folder given
// (by default /tmp/trimora-page), for a look by eye.
import { mkdirSync } from "node:fs";
import { launch, openPage } from "./browser.mjs";

const out = process.argv[2] ?? "/tmp/trimora-page";
mkdirSync(out, { recursive: true });
const browser = await launch();
const sizes = [
  ["telefon", { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 3 }],
  ["1024x768", { viewport: { width: 1024, height: 768 } }],
  ["1280x800", { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 2 }],
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
  console.log(name, problems.length ? problems : "ohne Fehler");
  await context.close();
}
await browser.close();
