// Starts the page: the core, then the lesson. `?seed=N` repeats a lesson, `?clock=manual`
// lets the tests move the time themselves (window.ortivoTest).

async function main(): Promise<void> {
  const params = new URLSearchParams(location.search);
  pageLanguage = new PageLanguage();
  const code = PageLanguage.chosen();
  pageLanguage.set(code);  // "loading" in the page's language already
  const core = await Core.load();
  if (params.get("clock") === "manual") core.useManualClock();
  const app = new App(core);
  app.start(params.get("seed") ?? "");
  if (code !== "de") app.setLanguage(code);
  performance.mark("ortivo-table-shown");
  byId("Laden").hidden = true;
  document.documentElement.dataset.ready = "true";
  (window as unknown as { ortivoTest: object }).ortivoTest = {
    // The lesson's clock on by `ms`; the ticks that fell due run.
    advance(ms: number): void {
      core.advanceManualClock(ms);
      app.tick();
    },
    lessonHex: () => core.lessonHex(),
    picture: (kind: number) => Array.from(core.picture(kind).words),
    pictureTexts: (kind: number) => core.picture(kind).texts,
    action: (name: string, ...fields: string[]) => app.act(name, ...fields),
    // The core alone, nothing shown (for the benchmark).
    coreAction: (name: string) => core.action(name),
    demo3D: (name: string, ...fields: string[]) => app.demo3D(name, ...fields),
    demo2D: (name: string) => app.demo2D(name),
    save: (task: string) => Array.from(app.save(task) ?? []),
  };
}

main().catch((e: unknown) => {
  const loading = document.getElementById("Laden");
  if (loading) loading.textContent = pageLanguage ? pageLanguage.fill("Ortivo konnte nicht starten: %1", String(e)) : String(e);
  throw e;
});
