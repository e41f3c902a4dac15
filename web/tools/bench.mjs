// The browser edition's figures in Chromium on this machine (run by hand or by
// `scripts/ortivo.sh web-bench`; no test fails on them): the file's size, from
// opening the file to the satellite table shown, one determination, one 3D frame at
// 1000×700, and every console error on the way, all with the network cut.
import { statSync } from "node:fs";
import { launch, openPage, pagePath } from "../tests/support.mjs";
import { pathToFileURL } from "node:url";

const quantile = (values, q) => {
  const s = [...values].sort((a, b) => a - b);
  return s[Math.min(s.length - 1, Math.ceil(q * s.length) - 1)];
};
const summary = (values) =>
  `median ${quantile(values, 0.5).toFixed(2)} ms, p95 ${quantile(values, 0.95).toFixed(2)} ms, max ${Math.max(...values).toFixed(2)} ms (n=${values.length})`;

const problems = [];
const browser = await launch();
try {
  console.log(`file: ${(statSync(pagePath).size / 1024 / 1024).toFixed(2)} MB (${statSync(pagePath).size} bytes; must be ≤ 3 MB)`);

  // From the start of the navigation to the table filled, in fresh tabs.
  const opening = [];
  for (let i = 0; i < 10; i++) {
    const page = await browser.newPage();
    page.on("console", (m) => { if (m.type() === "error") problems.push(m.text()); });
    page.on("pageerror", (e) => problems.push(e.message));
    await page.setOfflineMode(true);
    await page.setViewport({ width: 1024, height: 768 });
    await page.goto(`${pathToFileURL(pagePath).href}?seed=${i}`);
    await page.waitForSelector("html[data-ready=true]");
    opening.push(await page.evaluate(() => {
      const rows = document.getElementById("StringGridBewegung").rows;
      // Headless Chromium asks for English: the page starts in English, its numbers with a point.
      if (!/^26554[,.]000$/.test(rows[2].cells[2].textContent)) throw new Error("table not shown");
      return performance.getEntriesByName("ortivo-table-shown")[0].startTime;
    }));
    await page.close();
  }
  console.log(`open to satellite table shown: ${summary(opening)} (must be ≤ 1000 ms); each: ${opening.map((t) => t.toFixed(0)).join(", ")}`);

  const { page, problems: pageProblems } = await openPage(browser, 42);
  await page.click("#BitBtnErzeugen");
  // 300 determinations, each in a constellation moved on by one step, and once more
  // in the core alone; with the iterations of the windows tried.
  const d = await page.evaluate(() => {
    const whole = [], core = [], iterations = [];
    for (let i = 0; i < 20; i++) window.ortivoTest.action("determine");  // warm up
    for (let i = 0; i < 300; i++) {
      window.ortivoTest.advance(2000);
      let t0 = performance.now();
      const u = window.ortivoTest.action("determine");
      whole.push(performance.now() - t0);
      iterations.push(u.computed.iterations);
      t0 = performance.now();
      window.ortivoTest.coreAction("determine");
      core.push(performance.now() - t0);
    }
    return { whole, core, iterations };
  });
  console.log(`one determination with its display: ${summary(d.whole)} (p95 must be ≤ 5 ms)`);
  console.log(`  the core alone: ${summary(d.core)}`);
  const slow = d.whole.map((t, i) => [t, d.iterations[i]]).sort((a, b) => b[0] - a[0]).slice(0, 5);
  console.log(`  iterations: median ${quantile(d.iterations, 0.5)}, p95 ${quantile(d.iterations, 0.95)}; the slowest: ${slow.map(([t, n]) => `${t.toFixed(1)} ms/${n}`).join(", ")}`);

  await page.click("#Tab3D");
  for (const projection of ["parallel", "central"]) {
    await page.click(projection === "central" ? "#RadioButtonZentral" : "#RadioButtonParallel");
    await page.click("#BitBtnOk3D");
    const frames = await page.evaluate(() => {
      const canvas = document.getElementById("Image3D");
      const ctx = canvas.getContext("2d");
      const whole = [], core = [];
      for (let i = 0; i < 60; i++) {
        const t0 = performance.now();
        window.ortivoTest.action("demo3d.timer");
        const t1 = performance.now();
        window.ortivoTest.demo3D("");  // shown: texts and the picture replayed
        ctx.getImageData(0, 0, 1, 1);  // the pixels are there
        const t2 = performance.now();
        core.push(t1 - t0);
        whole.push(t2 - t0);
      }
      return { whole: whole.slice(10), core: core.slice(10), size: `${canvas.width}×${canvas.height}` };
    });
    console.log(`one 3D frame (${projection}, ${frames.size}), computed, recorded, replayed and rasterised: ${summary(frames.whole)} (must be ≤ 16 ms)`);
    console.log(`  of which the core (frame in WebAssembly and its recording): ${summary(frames.core)}`);
  }
  await page.close();
  problems.push(...pageProblems.filter((p) => !p.startsWith("warn:")));
  const warnings = pageProblems.filter((p) => p.startsWith("warn:"));
  console.log(`console errors: ${problems.length}${problems.length ? `: ${problems.join(" | ")}` : ""}`);
  // Chromium advises a canvas for frequent reading: the benchmark reads a pixel per frame.
  if (warnings.length) console.log(`console warnings: ${warnings.length}: ${warnings.join(" | ")}`);
  console.log("network: cut for every page (offline mode); no request left the file");
} finally {
  await browser.close();
}
