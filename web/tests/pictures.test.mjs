// The demonstrations in the page draw what the desktop draws: the recorded Canvas
// calls of every step, word for word, and the same texts beside them.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { desktop, launch, openPage, text } from "./support.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

const picture = (page, kind) => page.evaluate((k) => window.ortivoTest.picture(k), kind);

function assertSamePicture(words, expected, where) {
  assert.ok(expected.length > 10, `${where}: the desktop drew nothing`);
  if (words.length === expected.length && words.every((w, i) => w === expected[i])) return;
  const differing = words.filter((w, i) => w !== expected[i]).length;
  assert.fail(`${where}: ${words.length} words against the desktop's ${expected.length}, ${differing} differ`);
}

test("the 2D demonstration's steps draw the desktop's calls", async () => {
  const { page, problems } = await openPage(browser, 5);
  const steps = [];
  const record = async (action, where) => {
    steps.push({ action, words: await picture(page, 0), memo: await text(page, "#MemoDemo"), where });
  };
  await page.click("#Tab2D");
  await record("start", "opened");
  for (const click of ["timer", "ok", "timer", "ok", "ok", "timer", "ok", "ok", "ok"]) {
    if (click === "ok") await page.click("#BitBtnOk2D");
    else await page.evaluate(() => window.ortivoTest.demo2D("demo2d.timer"));
    await record(click, `after ${steps.length} steps (${click})`);
  }
  const commands = [["seed", "5"]];
  for (const s of steps) commands.push(["demo2d", s.action], ["picture", "2d"]);
  const results = desktop(commands);
  steps.forEach((s, i) => {
    assert.equal(s.memo, results[1 + 2 * i].memo.join("\n"), s.where);
    assertSamePicture(s.words, results[2 + 2 * i].words, s.where);
  });
  assert.deepEqual(problems, []);
  await page.close();
});

test("the 3D demonstration's frames and walk-through draw the desktop's calls", async () => {
  const { page, problems } = await openPage(browser, 8);
  const commands = [["seed", "8"]];
  const steps = [];
  const step = async (command, act) => {
    await act();
    commands.push(["demo3d", ...command], ["picture", "3d"]);
    steps.push({ words: await picture(page, 1), memo: await text(page, "#Memo3d"), where: command.join(" ") });
  };
  const timer = () => page.evaluate(() => window.ortivoTest.demo3D("demo3d.timer"));
  await step(["show"], () => page.click("#Tab3D"));
  await step(["ok", "parallel"], () => page.click("#BitBtnOk3D"));
  await step(["timer"], timer);
  await step(["timer"], timer);
  for (let i = 0; i < 8; i++) await step(["algorithmus"], () => page.click("#BitBtnAlgorithmus"));
  await page.click("#RadioButtonZentral");
  await step(["ok", "central"], () => page.click("#BitBtnOk3D"));
  await step(["timer"], timer);
  await step(["nordpol"], () => page.click("#BitBtnNordpol"));
  await step(["timer"], timer);

  const results = desktop(commands);
  steps.forEach((s, i) => {
    assert.equal(s.memo, results[1 + 2 * i].memo.join("\n"), s.where);
    assertSamePicture(s.words, results[2 + 2 * i].words, `${s.where} (step ${i})`);
  });
  assert.deepEqual(problems, []);
  await page.close();
});

test("a finger's drag turns the 3D scene and nothing else", async () => {
  const { page, problems } = await openPage(browser, 8);
  await page.click("#Tab3D");
  await page.click("#BitBtnOk3D");
  await page.evaluate(() => window.ortivoTest.demo3D("demo3d.timer"));
  await page.click("#BitBtnAnhalten");  // no frame but the turned ones
  const before = await picture(page, 1);
  const degrees = await text(page, "#LabeledEditAequator");
  const box = await (await page.$("#Image3D")).boundingBox();
  const y = box.y + box.height / 2;
  const drag = async (from, to) => {
    await page.touchscreen.touchStart(from, y);
    await page.touchscreen.touchMove((from + to) / 2, y);
    await page.touchscreen.touchMove(to, y);
    await page.touchscreen.touchEnd();
  };
  await drag(box.x + 200, box.x + 400);
  const turned = await picture(page, 1);
  assert.notEqual(await text(page, "#LabeledEditAequator"), degrees);
  assert.notDeepEqual(turned, before);
  await drag(box.x + 400, box.x + 200);
  // Back where it was: the same picture, so the satellites stood still meanwhile.
  // (A frame begins with the pen where the last one left it: its position and
  // width before the first fill, a move and a style of 10 words, may differ.)
  assert.equal(await text(page, "#LabeledEditAequator"), degrees);
  assert.deepEqual((await picture(page, 1)).slice(10), before.slice(10));
  assert.deepEqual(problems, []);
  await page.close();
});
