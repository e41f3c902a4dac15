// What the browser's tests share: Debian's Chromium without network or profile,
// the page, and the native program that gives the desktop's results.
import { spawnSync } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

export const pagePath = process.env.ORTIVO_PAGE ?? new URL("../../build-web/ortivo.html", import.meta.url).pathname;
const reference = process.env.ORTIVO_REFERENCE ?? new URL("../../build/web/web_reference", import.meta.url).pathname;

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), "ortivo-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.ORTIVO_CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
      "--disable-component-update", "--disable-sync", "--no-first-run", `--user-data-dir=${profile}`],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A page of the lesson with `seed`, its clock moved by the test. Every console
// error, failed request or request beyond the file is kept in `problems`.
// The browser's language is German unless `language` says otherwise.
export async function openPage(browser, seed, { width = 1024, height = 768, language = "de-DE" } = {}) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument((code) => {
    Object.defineProperty(navigator, "language", { get: () => code });
    Object.defineProperty(navigator, "languages", { get: () => [code] });
  }, language);
  const problems = [];
  page.on("console", (m) => { if (m.type() === "error" || m.type() === "warn") problems.push(`${m.type()}: ${m.text()}`); });
  page.on("pageerror", (e) => problems.push(`pageerror: ${e.message}`));
  page.on("requestfailed", (r) => problems.push(`request failed: ${r.url().slice(0, 80)}`));
  const url = pathToFileURL(pagePath).href;
  page.on("request", (r) => { if (!r.url().startsWith(url)) problems.push(`request: ${r.url().slice(0, 80)}`); });
  await page.setViewport({ width, height });
  await page.setOfflineMode(true);
  await page.goto(`${url}?seed=${seed}&clock=manual`);
  await page.waitForSelector("html[data-ready=true]");
  return { page, problems };
}

// Runs the native program on commands (arrays of fields); one result per command.
export function desktop(commands) {
  const input = commands.map((c) => c.join("\t")).join("\n") + "\n";
  const run = spawnSync(reference, { input, encoding: "utf8", maxBuffer: 1 << 28 });
  if (run.status !== 0) throw new Error(`web_reference failed: ${run.stderr}`);
  return run.stdout.trim().split("\n").map((l) => JSON.parse(l));
}

export const text = (page, selector) => page.$eval(selector, (e) => e.textContent);
export const value = (page, selector) => page.$eval(selector, (e) => e.value);

export async function type(page, selector, v) {
  await page.$eval(selector, (e) => { e.value = ""; });
  if (v !== "") await page.type(selector, v);
}

// The message the page shows, and the dialog closed again with OK.
export async function takeMessage(page) {
  const shown = await page.$eval("#DialogMeldung", (d) => d.open);
  if (!shown) return null;
  const message = await text(page, "#MeldungText");
  await page.click("#MeldungOk");
  return message;
}
