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
