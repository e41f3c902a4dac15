// The page as a file on a school computer: nothing but itself loaded, no cookie, a
// policy that forbids other hosts, and a layout for a tablet and a phone on its side.
import assert from "node:assert/strict";
import { statSync } from "node:fs";
import { after, before, test } from "node:test";
import { launch, openPage, pagePath } from "./support.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

test("one file of at most 3 MB that loads nothing else and keeps no cookie", async () => {
  assert.ok(statSync(pagePath).size <= 3 * 1024 * 1024);
  const { page, problems } = await openPage(browser, 2);
  const policy = await page.$eval("meta[http-equiv=Content-Security-Policy]", (m) => m.content);
  assert.match(policy, /default-src 'none'/);
  assert.match(policy, /connect-src 'none'/);
  assert.doesNotMatch(policy, /https?:|\*/);
  // The policy is in force: it refuses a request before any network would.
  await page.evaluate(() => { const i = new Image(); i.src = "http://127.0.0.1:9/x.png"; document.body.append(i); });
  await page.evaluate(() => fetch("http://127.0.0.1:9/").catch(() => null));
  await new Promise((r) => setTimeout(r, 300));
  const refused = problems.filter((p) => /violates the following Content Security Policy directive: "(img|connect)-src/.test(p));
  assert.equal(refused.length, 2, problems.join("\n"));
  assert.deepEqual(await page.cookies(), []);
  assert.equal(await page.evaluate(() => document.cookie), "");
  await page.close();
});

for (const [width, height, name] of [[1024, 768, "a 1024×768 tablet"], [844, 390, "a phone held sideways"]]) {
  test(`the lesson and the 3D demonstration fit ${name}`, async () => {
    const { page, problems } = await openPage(browser, 2, { width, height });
    for (const tab of ["#TabLektion", "#TabHimmel", "#Tab2D", "#Tab3D"]) {
      await page.click(tab);
      const fit = await page.evaluate(() => {
        const tooSmall = [...document.querySelectorAll("button, select, input[type=checkbox]")]
          .filter((e) => e.offsetParent !== null)
          .map((e) => (e.type === "checkbox" ? e.parentElement : e))
          .filter((e) => { const r = e.getBoundingClientRect(); return r.height < 44 || r.width < 44; })
          .map((e) => e.id || e.textContent);
        return { overflow: document.documentElement.scrollWidth - window.innerWidth, tooSmall };
      });
      assert.ok(fit.overflow <= 0, `${tab}: ${fit.overflow} px wider than the screen`);
      assert.deepEqual(fit.tooSmall, [], `${tab}: targets smaller than a finger`);
    }
    const canvas = await (await page.$("#Image3D")).boundingBox();
    assert.ok(canvas.width <= width && canvas.y + canvas.height <= height + 200, "the 3D picture is out of sight");
    assert.deepEqual(problems, []);
    await page.close();
  });
}
