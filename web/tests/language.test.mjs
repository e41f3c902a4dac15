// The page in English: chosen by the browser's language or on the page and kept; every
// word of the page and of the core in English, numbers with a decimal point, the German
// hemisphere letter O written E; and back to German as before.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { after, before, test } from "node:test";
import { englishDictionary, pageTexts } from "../tools/dictionary.mjs";
import { launch, openPage, takeMessage, text, type, value } from "./support.mjs";

const source = (path) => new URL(`../../${path}`, import.meta.url).pathname;
const dictionary = englishDictionary(source("translations/ortivo_en.ts"), source("web/page/texts_en.json"));

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

test("every German text of the page has its English", () => {
  const html = readFileSync(source("web/page/index.html"), "utf8");
  const scripts = ["app.ts", "main.ts", "language.ts"].map((f) => readFileSync(source(`web/src/${f}`), "utf8"));
  const texts = pageTexts(html, scripts);
  assert.ok(texts.length > 50, `only ${texts.length} texts found`);
  assert.deepEqual(texts.filter((t) => !dictionary.has(t)), []);
});

// Every text node and title the page shows, trimmed.
const shownTexts = (page) => page.evaluate(() => {
  const out = [];
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let n = walker.nextNode(); n; n = walker.nextNode())
    if (!["SCRIPT", "STYLE"].includes(n.parentElement.tagName)) out.push(n.data.trim());
  for (const e of document.body.querySelectorAll("[title]")) out.push(e.title.trim());
  return out.filter((t) => t !== "");
});
// German texts the dictionary translates otherwise, still shown.
const untranslated = (texts) => texts.filter((t) => dictionary.has(t) && dictionary.get(t) !== t);

test("an English browser gets the page in English, the core's texts and numbers included", async () => {
  const { page, problems } = await openPage(browser, 5, { language: "en-US" });
  assert.equal(await page.$eval("html", (h) => h.lang), "en");
  assert.equal(await text(page, "#BitBtnBerechne"), "Start position fix");

  // A bad entry: the core's message in English, the lesson unchanged.
  const before = await page.evaluate(() => window.ortivoTest.lessonHex());
  await type(page, "#cartX", "abc");
  await page.click("#BitBtnCartToGeo");
  assert.equal(await takeMessage(page), dictionary.get(
    "Unzulässiges Zeichen bei der x-Koordinate bzw. geographische Koordinaten wurden nicht in cartesische Koordinaten umgewandelt"));
  assert.equal(await page.evaluate(() => window.ortivoTest.lessonHex()), before);

  // Entries with a decimal point; the eastern hemisphere written E and read back.
  const z = Math.sqrt(6371.5 ** 2 - 4000.5 ** 2 - 1000.25 ** 2).toFixed(6);  // 500 m up
  for (const [id, v] of [["#cartX", "4000.5"], ["#cartY", "1000.25"], ["#cartZ", z]]) await type(page, id, v);
  await page.click("#BitBtnCartToGeo");
  assert.equal(await takeMessage(page), null);
  assert.equal(await value(page, "#geoEW"), "E");
  assert.match(await value(page, "#geoLonMin"), /^\d+\.\d+$/);
  await page.click("#BitBtnGeoToCart");
  assert.equal(await takeMessage(page), null);
  assert.match(await value(page, "#cartY"), /^1000\.2500\d{6}$/);

  await page.click("#BitBtnBerechne");
  await page.evaluate(() => window.ortivoTest.advance(5000));
  assert.match(await text(page, "#calcX"), /^-?\d+\.\d{3}$/);
  assert.equal(await text(page, "#BitBtnBerechne"), "Stop position fix");
  await page.click("#TabHimmel");
  assert.match(await text(page, "#LabelDOPHinweis"), /^4 used: .+\.All received: .+\.$/);
  assert.ok((await page.evaluate(() => window.ortivoTest.pictureTexts(2))).includes("E"));
  await page.click("#Tab3D");
  await page.click("#BitBtnOk3D");
  assert.deepEqual(untranslated(await shownTexts(page)), []);
  assert.deepEqual(problems, []);
  await page.close();
});

test("the language chosen on the page is kept, and German comes back as it was", async () => {
  const { page, problems } = await openPage(browser, 7);
  const german = await shownTexts(page);
  assert.equal(await text(page, "#TabLektion"), "Lektion");
  await page.select("#ComboBoxSprache", "en");
  assert.equal(await text(page, "#TabLektion"), "Lesson");
  assert.equal(await page.$eval("#SpeedButtonAnhalten", (b) => b.title),
    "Pause time: satellites and receiver stand still (Ctrl+P)");
  await page.reload();
  await page.waitForSelector("html[data-ready=true]");
  assert.equal(await text(page, "#TabLektion"), "Lesson");
  assert.equal(await value(page, "#ComboBoxSprache"), "en");
  await page.select("#ComboBoxSprache", "de");
  assert.deepEqual(await shownTexts(page), german);
  assert.deepEqual(problems, []);
  await page.close();
});
