// Lesson files between the page and the desktop: byte for byte both ways, and a
// damaged, foreign, cut short or too large file refused with the German message while
// the lesson stays as it was.
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { desktop, launch, openPage, takeMessage, text, type, value } from "./support.mjs";

let browser, dir;
before(async () => {
  browser = await launch();
  dir = mkdtempSync(join(tmpdir(), "ortivo-files-"));
});
after(async () => {
  await browser?.close();
  rmSync(dir, { recursive: true, force: true });
});

const GEO = ["#geoEW", "#geoLonDeg", "#geoLonMin", "#geoNS", "#geoLatDeg", "#geoLatMin", "#geoHeight"];
const hex = (bytes) => Buffer.from(bytes).toString("hex");
const lessonHex = (page) => page.evaluate(() => window.ortivoTest.lessonHex());

async function openFile(page, path) {
  const opened = await page.evaluate(() => Number(document.documentElement.dataset.opened ?? 0));
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click("#ButtonSzenarioOeffnen")]);
  await chooser.accept([path]);
  await page.waitForFunction((n) => Number(document.documentElement.dataset.opened ?? 0) > n, { timeout: 10000 }, opened);
}

test("a lesson saved in the page opens in the desktop's program, byte for byte", async () => {
  const { page, problems } = await openPage(browser, 9);
  const entered = ["W", "73", "58,125", "S", "12", "3,5", "2500"];
  for (let i = 0; i < GEO.length; i++) await type(page, GEO[i], entered[i]);
  await page.click("#BitBtnGeoToCart");
  for (const n of [5, 17]) await page.click(`#CheckBox${n}`);
  await type(page, "#SpinEditTatsaechlicheGeschwindigkeit", "120");
  await page.$eval("#SpinEditTatsaechlicheGeschwindigkeit", (e) => e.dispatchEvent(new Event("change")));
  await page.select("#ComboBoxZeitraffer", "2");
  await page.click("#SpeedButtonAnhalten");
  const task = "Bestimme den Standort: Wie weit liegt er daneben? – Größe in € ≠ ?";

  const downloads = join(dir, "downloads");
  const cdp = await page.createCDPSession();
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
  await page.click("#ButtonSzenarioSpeichern");
  await page.type("#MemoAufgabeEingeben", task);
  assert.equal(await text(page, "#LabelAufgabeLaenge"), `${[...task].length} von 10.000 Zeichen`);
  await page.click("#AufgabeSpeichern");
  let saved;
  for (let i = 0; i < 50 && !saved; i++) {
    await new Promise((r) => setTimeout(r, 100));
    saved = readdirSync(downloads, { withFileTypes: true }).find((f) => f.name === "Szenario.ortivo");
  }
  assert.ok(saved, "no file was saved");
  const path = join(downloads, "Szenario.ortivo");
  const bytes = readFileSync(path);
  assert.equal(hex(bytes), await lessonHex(page));

  const [read] = desktop([["seed", "1"], ["read", path]]).slice(1);
  assert.equal(read.refused, undefined);
  assert.equal(read.hex, hex(bytes), "written again by the desktop: the same bytes");
  // Windows-1252 keeps € and the dash; ≠ is not in it.
  assert.equal(read.task, task.replace("≠", "?"));
  const s = read.state;
  assert.deepEqual(s.cart, [await value(page, "#cartX"), await value(page, "#cartY"), await value(page, "#cartZ")]);
  assert.deepEqual(Object.values(s.geo), ["W", "73", "58,1250000000", "S", "12", "3,5000000000", "2500,00"]);
  assert.deepEqual(s.defective.flatMap((d, i) => (d ? [i + 1] : [])), [5, 17]);
  assert.deepEqual([s.speed, s.timeFactor, s.timeRunning, s.travelling], [120, 2, false, false]);
  assert.deepEqual(problems, []);
  await page.close();
});

test("a lesson saved by the desktop opens in the page, and bad files are refused", async () => {
  const desktopFile = join(dir, "Stunde 3.ortivo");
  const written = desktop([
    ["seed", "4"], ["geoToCart", "O", "139", "41,5", "N", "35", "41", "40"],
    ["defective", "2", "1"], ["speed", "50"], ["write", desktopFile, "Aufgabe 3:\\nBerechne den Standort."],
  ]);
  const { page, problems } = await openPage(browser, 1);
  await openFile(page, desktopFile);
  assert.equal(await text(page, "#AufgabeTitel"), "Aufgabe – Stunde 3.ortivo");
  assert.equal(await text(page, "#MemoAufgabe"), "Aufgabe 3:\nBerechne den Standort.");
  await page.click("#AufgabeOk");
  assert.equal(await lessonHex(page), written[4].hex);
  assert.deepEqual([await value(page, "#cartX"), await value(page, "#cartY"), await value(page, "#cartZ")], written[1].cart);
  assert.equal(await page.$eval("#CheckBox2", (e) => e.checked), true);
  assert.equal(await value(page, "#SpinEditTatsaechlicheGeschwindigkeit"), "50");

  const original = readFileSync(desktopFile);
  const damaged = Buffer.from(original);
  damaged[damaged.length - 20] ^= 0x10;
  const cases = [
    ["beschädigt.ortivo", damaged],
    ["Bild.ortivo", Buffer.from("\x89PNG\r\n\x1a\n0000000000000000", "latin1")],
    ["halb.ortivo", original.subarray(0, 40)],
    ["riesig.ortivo", Buffer.alloc(2 << 20, 7)],
  ];
  for (const [name, bytes] of cases) writeFileSync(join(dir, name), bytes);
  const reasons = desktop([["seed", "1"], ...cases.map(([name]) => ["read", join(dir, name)])]).slice(1);
  for (const [i, [name]] of cases.entries()) {
    const before = await lessonHex(page);
    await openFile(page, join(dir, name));
    const reason = name === "riesig.ortivo" ? "Sie ist zu groß für ein Ortivo-Szenario." : reasons[i].refused;
    assert.ok(reason, `${name}: the desktop took it`);
    assert.equal(await takeMessage(page), `Die Datei „${name}“ kann nicht geöffnet werden. ${reason}`);
    assert.equal(await lessonHex(page), before, `${name} changed the lesson`);
  }
  assert.deepEqual(problems, []);
  await page.close();
});
