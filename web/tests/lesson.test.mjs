// The lesson in the page against the desktop's: the same seeded lesson, the same
// entries and clicks, the same results (positions within 1 mm, the same texts), and
// every entry message with the lesson unchanged after it.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { desktop, launch, openPage, takeMessage, text, type, value } from "./support.mjs";

const CART = ["#cartX", "#cartY", "#cartZ"];
const GEO = ["#geoEW", "#geoLonDeg", "#geoLonMin", "#geoNS", "#geoLatDeg", "#geoLatMin", "#geoHeight"];
const geoObject = (v) => ({ ew: v[0], lonDeg: v[1], lonMin: v[2], ns: v[3], latDeg: v[4], latMin: v[5], height: v[6] });

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

const values = (page, selectors) => Promise.all(selectors.map((s) => value(page, s)));

// The computed position as the page shows it.
async function shownRecord(page) {
  return page.evaluate(() => {
    const t = (id) => document.getElementById(id).textContent;
    const exact = document.getElementById("StringGridBerechneterStandortCart").dataset.exact;
    const signals = [...document.getElementById("StringGridSatelliten").rows].slice(1)
      .map((r) => [...r.cells].map((c) => c.textContent)).filter((r) => r[0] !== "");
    return {
      received: t("LabeledEditAnzEmpfangeneSatelliten"), signals,
      cart: [t("calcX"), t("calcY"), t("calcZ")],
      geo: { ew: t("calcEW"), lonDeg: t("calcLonDeg"), lonMin: t("calcLonMin"), ns: t("calcNS"),
        latDeg: t("calcLatDeg"), latMin: t("calcLatMin"), height: t("calcHeight") },
      distance: t("EditUnterschied"), speed: t("calcSpeed"),
      exact: exact ? exact.split(" ").map(Number) : null,
    };
  });
}

// Coordinates are shown to 0.1 µm (km with 10 decimals); the page computes in double,
// the desktop in x87, so the last digit may differ by one. Every other character, and
// the number of digits, must be the same.
function sameNumberText(a, b) {
  if (a === b) return true;
  const digits = (t) => /^-?\d+,\d+$/.test(t) ? BigInt(t.replace(",", "")) : null;
  const x = digits(a), y = digits(b);
  return x !== null && y !== null && a.length === b.length && a.indexOf(",") === b.indexOf(",") &&
    (x > y ? x - y : y - x) <= 1n;
}
function assertSameTexts(shown, expected, where) {
  const s = Object.values(shown), e = Object.values(expected);
  assert.deepEqual(Object.keys(shown), Object.keys(expected), where);
  if (!s.every((t, i) => sameNumberText(t, e[i]))) assert.deepEqual(shown, expected, where);
}

function assertSameRecord(shown, record, where) {
  assert.ok(record, `${where}: the desktop determined nothing`);
  assert.equal(shown.received, record.received, where);
  assert.deepEqual(shown.signals, record.signals, where);
  if (!record.found) return;
  const error = Math.hypot(...record.exact.map((v, i) => v - shown.exact[i]));
  assert.ok(error <= 1e-6, `${where}: ${error * 1e6} mm from the desktop's position`);
  assertSameTexts(shown.cart, record.cart, where);
  assertSameTexts(shown.geo, record.geo, where);
  assert.equal(shown.distance, record.distance, where);
  assert.equal(shown.speed, record.speed, where);
}

test("determinations give the desktop's positions for the same seeded lesson", async () => {
  const { page, problems } = await openPage(browser, 11);
  const commands = [["seed", "11"]];
  const shown = [];  // [command index, what the page showed]
  const step = async (command, what) => {
    commands.push(command);
    if (what) shown.push([commands.length - 1, await what()]);
  };
  const advance = (ms) => step(["advance", String(ms)], async () => {
    await page.evaluate((t) => window.ortivoTest.advance(t), ms);
    return { record: await shownRecord(page), cart: await values(page, CART), geo: await values(page, GEO) };
  });

  await page.click("#BitBtnErzeugen");
  await step(["erzeugen"], async () => ({ cart: await values(page, CART), geo: await values(page, GEO) }));
  await page.click("#BitBtnBerechne");
  await step(["berechne", ...(await values(page, CART))]);
  for (let i = 0; i < 3; i++) await advance(2000);

  const entered = ["O", "10", "30,5", "N", "50", "12,25", "250"];
  for (let i = 0; i < GEO.length; i++) await type(page, GEO[i], entered[i]);
  await page.click("#BitBtnGeoToCart");
  await step(["geoToCart", ...entered], async () => ({ cart: await values(page, CART) }));
  await advance(2000);

  for (const n of [3, 9]) {
    await page.click(`#CheckBox${n}`);
    await step(["defective", String(n), "1"]);
  }
  await type(page, "#SpinEditTatsaechlicheGeschwindigkeit", "360");
  await page.$eval("#SpinEditTatsaechlicheGeschwindigkeit", (e) => e.dispatchEvent(new Event("change")));
  await step(["speed", "360"]);
  await page.click("#BitBtnEmpfaengerBewegen");
  await step(["bewegen", ...(await values(page, CART))]);
  for (let i = 0; i < 3; i++) await advance(2000);

  await page.click("#SpeedButtonAnhalten");
  await step(["pause"]);
  await page.click("#SpeedButtonEinzelschritt");
  await step(["step"]);
  await page.click("#SpeedButtonAnhalten");
  await step(["pause"]);
  await page.select("#ComboBoxZeitraffer", "5");
  await step(["factor", "5"]);
  for (let i = 0; i < 6; i++) await advance(400);
  await step(["satellites"], () => page.$$eval("#StringGridBewegung tr", (rows) =>
    rows.slice(1).map((r) => [...r.cells].slice(1).map((c) => c.textContent))));

  const results = desktop(commands);
  for (const [i, s] of shown) {
    const d = results[i];
    const where = `${commands[i].join(" ")} (command ${i})`;
    // The determination keeps its 2 s whatever the time-lapse factor.
    if (s.record && d.records.length) assertSameRecord(s.record, d.records.at(-1), where);
    if (d.cart) assertSameTexts(s.cart, d.cart, where);
    if (d.geo) assertSameTexts(geoObject(s.geo), d.geo, where);
    if (d.satellites) assert.deepEqual(s, d.satellites, where);
  }
  assert.equal(await takeMessage(page), null);
  assert.deepEqual(problems, []);
  await page.close();
});

// Each bad entry, typed and clicked as a pupil would: the page shows the desktop's
// message, and the lesson (as a file would keep it) is what it was.
const BAD_ENTRIES = [
  ["cartToGeo", ["", "0", "0"]],
  ["cartToGeo", ["6371,5x", "0", "0"]],
  ["cartToGeo", ["6371", "1.5", "0"]],
  ["cartToGeo", ["6371", "0", "z"]],
  ["cartToGeo", ["6382,001", "0", "0"]],
  ["cartToGeo", ["6370,9", "0", "0"]],
  ["geoToCart", ["X", "10", "0", "N", "50", "0", "0"]],
  ["geoToCart", ["O", "10", "0", "Q", "50", "0", "0"]],
  ["geoToCart", ["O", "1a", "0", "N", "50", "0", "0"]],
  ["geoToCart", ["O", "10", "0", "N", "", "0", "0"]],
  ["geoToCart", ["O", "10", "3,5,1", "N", "50", "0", "0"]],
  ["geoToCart", ["O", "10", "0", "N", "50", "zwölf", "0"]],
  ["geoToCart", ["O", "10", "0", "N", "50", "0", "hoch"]],
  ["geoToCart", ["O", "180", "0,5", "N", "50", "0", "0"]],
  ["geoToCart", ["O", "10", "0", "N", "50", "0", "11000,5"]],
  ["geoToCart", ["W", "10", "-1", "S", "50", "0", "0"]],
  ["bewegen", ["6371", "0", "0"]],
  ["berechne", ["", "", ""]],
];
const BUTTONS = { cartToGeo: "#BitBtnCartToGeo", geoToCart: "#BitBtnGeoToCart", bewegen: "#BitBtnEmpfaengerBewegen", berechne: "#BitBtnBerechne" };

test("every bad entry shows the desktop's German message and leaves the lesson as it was", async () => {
  const { page, problems } = await openPage(browser, 3);
  await page.click("#BitBtnErzeugen");
  await page.click("#CheckBox7");
  const commands = [["seed", "3"], ["erzeugen"], ["defective", "7", "1"]];
  const seen = [];
  for (const [action, fields] of BAD_ENTRIES) {
    const before = await page.evaluate(() => window.ortivoTest.lessonHex());
    const inputs = fields.length === 3 ? CART : GEO;
    for (let i = 0; i < fields.length; i++) await type(page, inputs[i], fields[i]);
    await page.click(BUTTONS[action]);
    seen.push(await takeMessage(page));
    assert.equal(await page.evaluate(() => window.ortivoTest.lessonHex()), before, `${action} ${fields}`);
    commands.push([action, ...fields]);
  }
  // No satellite heard: the determination ends with its own message.
  for (let n = 1; n <= 24; n++) if (n !== 7) await page.click(`#CheckBox${n}`);
  await page.click("#BitBtnErzeugen");
  await page.click("#BitBtnBerechne");
  await page.evaluate(() => window.ortivoTest.advance(2000));
  seen.push(await takeMessage(page));
  assert.equal(await text(page, "#LabeledEditAnzEmpfangeneSatelliten"), "0: ");
  assert.equal(await text(page, "#BitBtnBerechne"), "Positionsbestimmung starten");
  for (let n = 1; n <= 24; n++) if (n !== 7) commands.push(["defective", String(n), "1"]);
  commands.push(["erzeugen"], ["berechne", ...(await values(page, CART))], ["advance", "2000"]);

  const expected = desktop(commands).slice(3).map((r) => r.messages).filter((m) => m.length).map((m) => m[0]);
  assert.deepEqual(seen, expected);
  // Each kind of message came up: the table covers them all.
  assert.equal(new Set(seen).size, 13);
  assert.ok(seen.includes("Unzulässiger Standort"));
  assert.ok(seen.includes("Es müssen mindestens 4 Satelliten empfangen werden"));
  assert.deepEqual(problems, []);
  await page.close();
});
