// The page: the lesson's forms and tables, the sky view, the two demonstrations and
// the lesson files, each a view of the core's session.

function byId<T extends HTMLElement = HTMLElement>(id: string): T {
  const e = document.getElementById(id);
  if (!e) throw new Error(`Element ${id} fehlt`);
  return e as T;
}
function input(id: string): HTMLInputElement { return byId<HTMLInputElement>(id); }
function button(id: string): HTMLButtonElement { return byId<HTMLButtonElement>(id); }

const MAX_FILE_SIZE = 1 << 20;
const MAX_TASK_LENGTH = 10000;
const DEMO2D_INTERVAL = 2000;
const DEMO3D_INTERVAL = 300;

class Messages {
  private readonly queue: string[] = [];
  private readonly dialog = byId<HTMLDialogElement>("DialogMeldung");

  constructor() {
    this.dialog.addEventListener("close", () => this.next());
  }
  show(texts: string[]): void {
    this.queue.push(...texts);
    if (!this.dialog.open) this.next();
  }
  private next(): void {
    const text = this.queue.shift();
    if (text === undefined) return;
    byId("MeldungText").textContent = text;
    this.dialog.showModal();
  }
}

class App {
  private readonly messages = new Messages();
  private lessonTimer = 0;
  private demo2DTimer = 0;
  private demo3DTimer = 0;
  private readonly sky: PictureCanvas;
  private readonly image2D: PictureCanvas;
  private readonly image3D: PictureCanvas;
  private panel = "PanelLektion";
  private state: LessonStateView | null = null;
  private shown3D = false;

  constructor(private readonly core: Core) {
    this.sky = new PictureCanvas(byId<HTMLCanvasElement>("ImageHimmel"), 460, 460);
    this.image2D = new PictureCanvas(byId<HTMLCanvasElement>("Image2D"), 521, 425);
    this.image3D = new PictureCanvas(byId<HTMLCanvasElement>("Image3D"), 1000, 700);
    this.buildTables();
    this.wire();
  }

  start(seed: string): void {
    this.apply(this.core.start(seed));
  }

  // Every text anew in `code`: the page's own words, then everything the core wrote.
  setLanguage(code: LanguageCode): void {
    pageLanguage.set(code);
    byId<HTMLSelectElement>("ComboBoxSprache").value = code;
    this.apply(this.core.language(code === "en" ? pageLanguage.pairs(FIELD_SEPARATOR) : ""));
    if (this.panel === "PanelHimmel") this.showSky();
    this.demo2D("");
    if (this.shown3D) this.demo3D("");
    if (byId<HTMLDialogElement>("DialogAufgabeEingeben").open) this.countTask();
  }

  // --- building ----------------------------------------------------------------

  private buildTables(): void {
    const checks = byId("DefektListe");
    for (let n = 1; n <= 24; n++) {
      const label = document.createElement("label");
      const box = document.createElement("input");
      box.type = "checkbox";
      box.id = `CheckBox${n}`;
      box.addEventListener("change", () => this.act("defective", n, box.checked ? "1" : "0"));
      label.append(box, String(n));
      checks.append(label);
    }
    const table = byId<HTMLTableElement>("StringGridBewegung");
    for (let k = 1; k <= 24; k++) {
      const row = table.insertRow();
      const head = document.createElement("th");
      head.textContent = String(k);
      row.append(head);
      for (let c = 0; c < 3; c++) row.insertCell();
    }
    const signals = byId<HTMLTableElement>("StringGridSatelliten");
    for (let r = 0; r < 4; r++) {
      const row = signals.insertRow();
      for (let c = 0; c < 7; c++) row.insertCell();
    }
    const dop = byId<HTMLTableElement>("StringGridDOP");
    for (const name of ["GDOP", "PDOP", "HDOP", "VDOP", "TDOP"]) {
      const row = dop.insertRow();
      const head = document.createElement("th");
      head.textContent = name;
      row.append(head);
      row.insertCell();
      row.insertCell();
    }
  }

  private cartesianFields(): string[] {
    return [input("cartX").value, input("cartY").value, input("cartZ").value];
  }

  private wire(): void {
    const on = (id: string, f: () => void) => button(id).addEventListener("click", f);
    for (const tab of document.querySelectorAll<HTMLButtonElement>("[role=tab]"))
      tab.addEventListener("click", () => this.showPanel(tab.dataset.panel!));

    on("BitBtnCartToGeo", () => this.act("cartToGeo", ...this.cartesianFields()));
    on("BitBtnGeoToCart", () =>
      this.act("geoToCart", ...["geoEW", "geoLonDeg", "geoLonMin", "geoNS", "geoLatDeg", "geoLatMin", "geoHeight"].map((id) => input(id).value)));
    on("BitBtnErzeugen", () => this.act("erzeugen"));
    on("BitBtnEmpfaengerBewegen", () => this.act("bewegen", ...this.cartesianFields()));
    on("BitBtnBerechne", () => this.act("berechne", ...this.cartesianFields()));
    // Whole km/h from 0 to 1000; anything else goes back to the lesson's speed.
    const speed = input("SpinEditTatsaechlicheGeschwindigkeit");
    speed.addEventListener("change", () => {
      const v = speed.value.trim();
      if (/^\d+$/.test(v) && Number(v) <= 1000) this.act("speed", v);
      else if (this.state) speed.value = String(this.state.speed);
    });
    on("SpeedButtonAnhalten", () => this.act("pause"));
    on("SpeedButtonEinzelschritt", () => this.act("step"));
    const factor = byId<HTMLSelectElement>("ComboBoxZeitraffer");
    factor.addEventListener("change", () => this.act("factor", factor.value));
    document.addEventListener("keydown", (e) => this.shortcut(e));

    on("ButtonSzenarioSpeichern", () => this.askTask());
    const language = byId<HTMLSelectElement>("ComboBoxSprache");
    language.addEventListener("change", () => {
      const code: LanguageCode = language.value === "en" ? "en" : "de";
      PageLanguage.keep(code);
      this.setLanguage(code);
    });
    on("ButtonSzenarioOeffnen", () => input("FileSzenario").click());
    input("FileSzenario").addEventListener("change", () => void this.openFile());
    const task = byId<HTMLTextAreaElement>("MemoAufgabeEingeben");
    task.addEventListener("input", () => this.countTask());
    byId<HTMLDialogElement>("DialogAufgabeEingeben").addEventListener("close", () => {
      if (byId<HTMLDialogElement>("DialogAufgabeEingeben").returnValue === "ok") this.save(task.value);
    });

    on("BitBtnOk2D", () => this.demo2D("demo2d.ok"));
    on("BitBtnSchliessen2D", () => { this.demo2D("demo2d.close"); this.showPanel("PanelLektion"); });

    on("BitBtnOk3D", () => this.demo3D("demo3d.ok", input("RadioButtonZentral").checked ? "central" : "parallel"));
    on("BitBtnSchliessen3D", () => { this.demo3D("demo3d.schliessen"); this.showPanel("PanelLektion"); });
    on("BitBtnAnhalten", () => this.demo3D("demo3d.anhalten"));
    on("BitBtnAlgorithmus", () => this.demo3D("demo3d.algorithmus"));
    on("BitBtnAlgorithmusAbbrechen", () => this.demo3D("demo3d.abbrechen"));
    on("BitBtnAequator", () => this.demo3D("demo3d.aequator"));
    on("BitBtnNordpol", () => this.demo3D("demo3d.nordpol"));
    on("BitBtnCancel", () => this.demo3D("demo3d.cancel"));
    this.wireTurning();
  }

  private shortcut(e: KeyboardEvent): void {
    if (!e.ctrlKey) return;
    const factor = byId<HTMLSelectElement>("ComboBoxZeitraffer");
    const key = e.key.toLowerCase();
    if (key === "p") button("SpeedButtonAnhalten").click();
    else if (key === "e" && !button("SpeedButtonEinzelschritt").disabled) button("SpeedButtonEinzelschritt").click();
    else if (key === "s") button("ButtonSzenarioSpeichern").click();
    else if (key === "o") button("ButtonSzenarioOeffnen").click();
    else if (key === "+" || key === "-") {
      factor.selectedIndex = Math.max(0, Math.min(factor.options.length - 1, factor.selectedIndex + (key === "+" ? 1 : -1)));
      factor.dispatchEvent(new Event("change"));
    } else return;
    e.preventDefault();
  }

  // A finger or the mouse turns the 3D scene: sideways about the polar axis,
  // up and down about the x axis, whole degrees.
  private wireTurning(): void {
    const canvas = this.image3D.canvas;
    let last: { x: number; y: number } | null = null;
    let rest = { x: 0, y: 0 };
    canvas.addEventListener("pointerdown", (e) => {
      last = { x: e.clientX, y: e.clientY };
      rest = { x: 0, y: 0 };
      canvas.setPointerCapture(e.pointerId);
    });
    canvas.addEventListener("pointermove", (e) => {
      if (!last) return;
      const scale = 1000 / canvas.getBoundingClientRect().width / 3;  // pixels of the picture per degree
      rest.x += (e.clientX - last.x) * scale;
      rest.y += (e.clientY - last.y) * scale;
      last = { x: e.clientX, y: e.clientY };
      const dx = Math.trunc(rest.x), dy = Math.trunc(rest.y);
      if (dx === 0 && dy === 0) return;
      rest.x -= dx;
      rest.y -= dy;
      this.demo3D("demo3d.turn", dx, dy);
    });
    const end = () => { last = null; };
    canvas.addEventListener("pointerup", end);
    canvas.addEventListener("pointercancel", end);
  }

  // --- the lesson ----------------------------------------------------------------

  act(name: string, ...fields: (string | number)[]): Update {
    const u = this.core.action(name, ...fields);
    this.apply(u);
    return u;
  }

  tick(): void {
    this.act("tick");
  }

  private schedule(nextDue: number | null): void {
    window.clearTimeout(this.lessonTimer);
    if (nextDue === null || this.core.manual) return;
    this.lessonTimer = window.setTimeout(() => this.tick(), Math.max(0, nextDue - this.core.now()));
  }

  apply(u: Update): void {
    if (u.satellites) {
      const rows = byId<HTMLTableElement>("StringGridBewegung").rows;
      u.satellites.forEach((xyz, k) => xyz.forEach((t, c) => { rows[k + 1].cells[c + 1].textContent = t; }));
    }
    if (u.clearEntry) {
      for (const id of ["cartX", "cartY", "cartZ", "geoEW", "geoLonDeg", "geoLonMin", "geoNS", "geoLatDeg", "geoLatMin", "geoHeight"])
        input(id).value = "";
    }
    if (u.cart) ["cartX", "cartY", "cartZ"].forEach((id, i) => { input(id).value = u.cart![i]; });
    if (u.geo) this.writeGeo(u.geo, (id, t) => { input(id).value = t; }, "geo");
    if (u.computed !== undefined) this.showComputed(u.computed);
    if (u.state) this.showState(u.state);
    if (u.task) {
      byId("AufgabeTitel").textContent = u.task.title;
      byId("MemoAufgabe").textContent = u.task.text;
      byId<HTMLDialogElement>("DialogAufgabe").show();
    }
    if (u.messages.length) this.messages.show(u.messages);
    this.schedule(u.nextDue);
    if (this.panel === "PanelHimmel" && (u.satellites || u.computed !== undefined || u.state || u.cart)) this.showSky();
  }

  private writeGeo(g: GeoTexts, write: (id: string, t: string) => void, prefix: string): void {
    write(`${prefix}EW`, g.ew);
    write(`${prefix}LonDeg`, g.lonDeg);
    write(`${prefix}LonMin`, g.lonMin);
    write(`${prefix}NS`, g.ns);
    write(`${prefix}LatDeg`, g.latDeg);
    write(`${prefix}LatMin`, g.latMin);
    write(`${prefix}Height`, g.height);
  }

  private showComputed(r: RecordView | null): void {
    const text = (id: string, t: string) => { byId(id).textContent = t; };
    for (const id of ["calcX", "calcY", "calcZ", "calcEW", "calcLonDeg", "calcLonMin", "calcNS", "calcLatDeg", "calcLatMin", "calcHeight", "calcSpeed", "EditUnterschied"])
      text(id, "");
    text("LabeledEditAnzEmpfangeneSatelliten", r ? r.received : "");
    const rows = byId<HTMLTableElement>("StringGridSatelliten").rows;
    for (let j = 0; j < 4; j++)
      for (let c = 0; c < 7; c++) rows[j + 1].cells[c].textContent = r?.signals[j]?.[c] ?? "";
    const calc = byId("StringGridBerechneterStandortCart");
    delete calc.dataset.exact;
    if (!r || !r.found) return;
    ["calcX", "calcY", "calcZ"].forEach((id, i) => text(id, r.cart![i]));
    // The position to the last bit the page has, for comparisons.
    calc.dataset.exact = r.exact!.join(" ");
    text("EditUnterschied", r.distance!);
    this.writeGeo(r.geo!, text, "calc");
    text("calcSpeed", r.speed!);
  }

  private showState(s: LessonStateView): void {
    this.state = s;
    const moving = button("BitBtnEmpfaengerBewegen");
    moving.textContent = s.bewegen;
    for (const id of ["BitBtnCartToGeo", "BitBtnGeoToCart", "BitBtnErzeugen"]) button(id).disabled = s.travelling;
    button("BitBtnBerechne").textContent = s.berechne;
    const pause = button("SpeedButtonAnhalten");
    pause.textContent = s.timeRunning ? tr("Anhalten") : tr("Weiter");
    pause.title = s.timeRunning ? tr("Zeit anhalten: Satelliten und Empfänger bleiben stehen (Strg+P)") : tr("Zeit weiterlaufen lassen (Strg+P)");
    button("SpeedButtonEinzelschritt").disabled = s.timeRunning;
    byId<HTMLSelectElement>("ComboBoxZeitraffer").value = String(s.factor);
    const speed = input("SpinEditTatsaechlicheGeschwindigkeit");
    if (document.activeElement !== speed || speed.value !== String(s.speed)) speed.value = String(s.speed);
    s.defective.forEach((d, i) => { input(`CheckBox${i + 1}`).checked = d; });
  }

  // --- panels --------------------------------------------------------------------

  showPanel(id: string): void {
    if (id === this.panel) return;
    this.panel = id;
    for (const tab of document.querySelectorAll<HTMLButtonElement>("[role=tab]")) {
      const selected = tab.dataset.panel === id;
      tab.setAttribute("aria-selected", String(selected));
      byId(tab.dataset.panel!).hidden = !selected;
    }
    if (id === "PanelHimmel") this.showSky();
    if (id === "Panel2D") this.demo2D("demo2d.start");
    if (id === "Panel3D" && !this.shown3D) {
      this.shown3D = true;
      this.demo3D("demo3d.show");
    }
    if (id !== "Panel2D") this.demo2D("demo2d.close");
  }

  showSky(): void {
    interface SkyView { rows: string[][]; dopUsed: string[]; dopAll: string[]; allCaption: string; hint: [boolean, string][] }
    const v = this.core.view<SkyView>("sky");
    this.sky.replay(this.core.picture(PictureKind.sky));
    const table = byId<HTMLTableElement>("StringGridRichtungen");
    while (table.rows.length > 1) table.deleteRow(1);
    for (const r of v.rows) {
      const row = table.insertRow();
      for (const t of r) row.insertCell().textContent = t;
    }
    const dop = byId<HTMLTableElement>("StringGridDOP").rows;
    for (let i = 0; i < 5; i++) {
      dop[i + 1].cells[1].textContent = v.dopUsed[i];
      dop[i + 1].cells[2].textContent = v.dopAll[i];
    }
    byId("DOPAlle").textContent = v.allCaption;
    const hint = byId("LabelDOPHinweis");
    hint.replaceChildren();
    v.hint.forEach(([bold, text], i) => {
      if (bold && i > 0) hint.append(document.createElement("br"));
      const part = document.createElement(bold ? "b" : "span");
      part.textContent = text;
      hint.append(part);
    });
  }

  // --- the demonstrations ----------------------------------------------------------

  // An action of the 2D window, then what it shows; no name: only the showing.
  demo2D(name: string): void {
    if (name) this.core.action(name);
    interface View { okEnabled: boolean; timerEnabled: boolean; memo: string[] }
    const v = this.core.view<View>("demo2d");
    button("BitBtnOk2D").disabled = !v.okEnabled;
    byId("MemoDemo").textContent = v.memo.join("\n");
    this.image2D.replay(this.core.picture(PictureKind.demo2D));
    window.clearInterval(this.demo2DTimer);
    if (v.timerEnabled && !this.core.manual) this.demo2DTimer = window.setInterval(() => this.demo2D("demo2d.timer"), DEMO2D_INTERVAL);
  }

  // An action of the 3D window, then what it shows; no name: only the showing.
  demo3D(name: string, ...fields: (string | number)[]): void {
    if (name) this.core.action(name, ...fields);
    interface View {
      timerActive: boolean; buttons: Record<string, { text: string; enabled: boolean }>;
      aequatorDegrees: string; nordpolDegrees: string; memo: string[]; eye: string[];
    }
    const v = this.core.view<View>("demo3d");
    const ids: Record<string, string> = {
      anhalten: "BitBtnAnhalten", algorithmus: "BitBtnAlgorithmus", abbrechen: "BitBtnAlgorithmusAbbrechen",
      aequator: "BitBtnAequator", nordpol: "BitBtnNordpol", cancel: "BitBtnCancel",
    };
    for (const [key, id] of Object.entries(ids)) {
      button(id).textContent = v.buttons[key].text;
      button(id).disabled = !v.buttons[key].enabled;
    }
    byId("LabeledEditAequator").textContent = v.aequatorDegrees;
    byId("LabeledEditNordpol").textContent = v.nordpolDegrees;
    byId("Memo3d").textContent = v.memo.join("\n");
    ["eyeX", "eyeY", "eyeZ"].forEach((id, i) => { byId(id).textContent = v.eye[i] ?? ""; });
    this.image3D.replay(this.core.picture(PictureKind.demo3D));
    const running = this.demo3DTimer !== 0;
    if (v.timerActive && !running && !this.core.manual) {
      this.demo3DTimer = window.setInterval(() => {
        if (this.panel === "Panel3D") this.demo3D("demo3d.timer");
      }, DEMO3D_INTERVAL);
    } else if (!v.timerActive && running) {
      window.clearInterval(this.demo3DTimer);
      this.demo3DTimer = 0;
    }
  }

  // --- lesson files ------------------------------------------------------------------

  private askTask(): void {
    this.countTask();
    byId<HTMLDialogElement>("DialogAufgabeEingeben").showModal();
  }

  private countTask(): void {
    const n = [...byId<HTMLTextAreaElement>("MemoAufgabeEingeben").value].length;
    const { fits, refusal } = this.core.view<{ fits: boolean; refusal: string }>(`task:${n}`);
    const label = byId("LabelAufgabeLaenge");
    label.textContent = fits ? pageLanguage.fill("%1 von %2 Zeichen", pageLanguage.grouped(n), pageLanguage.grouped(MAX_TASK_LENGTH)) : refusal;
    label.classList.toggle("bad", !fits);
    button("AufgabeSpeichern").disabled = !fits;
  }

  save(task: string): Uint8Array<ArrayBuffer> | null {
    const { bytes, update } = this.core.save(task);
    this.apply(update);
    if (!bytes) return null;
    const url = URL.createObjectURL(new Blob([bytes], { type: "application/x-ortivo-scenario" }));
    const a = document.createElement("a");
    a.href = url;
    a.download = tr("Szenario.ortivo");
    document.body.append(a);
    a.click();
    a.remove();
    window.setTimeout(() => URL.revokeObjectURL(url), 10000);
    return bytes;
  }

  private async openFile(): Promise<void> {
    const picker = input("FileSzenario");
    const file = picker.files?.[0];
    picker.value = "";
    if (!file) return;
    const data = file.size > MAX_FILE_SIZE ? null : new Uint8Array(await file.arrayBuffer());
    this.apply(this.core.open(file.name, data, file.size));
    const root = document.documentElement;
    root.dataset.opened = String(Number(root.dataset.opened ?? 0) + 1);
  }
}
