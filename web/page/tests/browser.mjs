// Debian's Chromium, headless, for the page's browser test and its screenshots.
import { chromium } from "playwright-core";

export function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    args: [
      "--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
      "--disable-component-update", "--disable-sync", "--no-first-run",
    ],
  });
}

// The page at PAGE_URL, once the core has loaded.
export async function openPage(browser, options = {}) {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  const problems = [];
  page.on("pageerror", (error) => problems.push(String(error)));
  await page.goto(process.env.PAGE_URL ?? "http://127.0.0.1:8080/");
  await page.locator("body[data-ready='1']").waitFor();
  return { context, page, problems };
}

// Pixels of the drawing that are not white.
export async function inkedPixels(page) {
  return page.locator("#drawing").evaluate((canvas) => {
    const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    let inked = 0;
    for (let i = 0; i < data.length; i += 4) if (data[i] < 250 || data[i + 1] < 250 || data[i + 2] < 250) ++inked;
    return inked;
  });
}
