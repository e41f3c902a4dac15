// The WebAssembly core: loading it, calling it, and the page's clock.

interface OrtivoModule {
  _malloc(size: number): number;
  _free(ptr: number): void;
  _ortivo_start(seed: number): number;
  _ortivo_set_time(ms: number): void;
  _ortivo_action(name: number, fields: number): number;
  _ortivo_view(which: number): number;
  _ortivo_picture(which: number): number;
  _ortivo_save(task: number): number;
  _ortivo_open(name: number, data: number, size: number): number;
  _ortivo_lesson_hex(): number;
  _ortivo_language(pairs: number): number;
  UTF8ToString(ptr: number): string;
  stringToUTF8(text: string, ptr: number, max: number): void;
  lengthBytesUTF8(text: string): number;
  HEAP32: Int32Array;
  HEAPU8: Uint8Array;
}

declare function createOrtivoCore(config: object): Promise<OrtivoModule>;

// What a call changed, for the page to write anew (see WebSession).
interface GeoTexts {
  ew: string; lonDeg: string; lonMin: string; ns: string; latDeg: string; latMin: string; height: string;
}
interface RecordView {
  number: number; found: boolean; received: string; signals: string[][];
  cart?: string[]; geo?: GeoTexts; distance?: string; speed?: string; exact?: number[]; message: string;
}
interface LessonStateView {
  travelling: boolean; determining: boolean; speed: number; timeRunning: boolean; factor: number;
  step: number; hasTruePosition: boolean; defective: boolean[]; bewegen: string; berechne: string;
}
interface Update {
  satellites?: string[][];
  cart?: string[];
  geo?: GeoTexts;
  clearEntry?: boolean;
  computed?: RecordView | null;
  state?: LessonStateView;
  task?: { title: string; text: string };
  messages: string[];
  nextDue: number | null;
}
interface PictureView {
  words: number; count: number; fonts: { css: string; color: number }[]; texts: string[];
}

const enum PictureKind { demo2D = 0, demo3D = 1, sky = 2 }

const FIELD_SEPARATOR = "\x1f";

class Core {
  private manualTime: number | null = null;

  constructor(private readonly m: OrtivoModule) {}

  static async load(): Promise<Core> {
    const measure = document.createElement("canvas").getContext("2d")!;
    const config = {
      measureTextWidth: (font: string, text: string) => {
        measure.font = font;
        return Math.round(measure.measureText(text).width);
      },
      measureTextHeight: (font: string) => {
        measure.font = font;
        const m = measure.measureText("Ög");
        return Math.round(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent);
      },
    };
    // The page carries the WebAssembly itself: nothing is fetched.
    const base64 = document.getElementById("OrtivoWasm")!.textContent!.trim();
    const wasmBinary = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const m = await createOrtivoCore({ ...config, wasmBinary });
    return new Core(m);
  }

  // Milliseconds of the lesson's clock: the page's, or one the tests move.
  now(): number {
    return this.manualTime ?? performance.now();
  }
  useManualClock(): void {
    this.manualTime = 0;
  }
  get manual(): boolean {
    return this.manualTime !== null;
  }
  advanceManualClock(ms: number): void {
    this.manualTime = (this.manualTime ?? 0) + ms;
  }

  private withString<T>(text: string, f: (ptr: number) => T): T {
    const size = this.m.lengthBytesUTF8(text) + 1;
    const ptr = this.m._malloc(size);
    try {
      this.m.stringToUTF8(text, ptr, size);
      return f(ptr);
    } finally {
      this.m._free(ptr);
    }
  }

  private json<T>(ptr: number): T {
    return JSON.parse(this.m.UTF8ToString(ptr)) as T;
  }

  start(seed: string): Update {
    return this.withString(seed, (p) => this.json<Update>(this.m._ortivo_start(p)));
  }

  action(name: string, ...fields: (string | number)[]): Update {
    this.m._ortivo_set_time(this.now());
    return this.withString(name, (n) =>
      this.withString(fields.join(FIELD_SEPARATOR), (f) => this.json<Update>(this.m._ortivo_action(n, f))),
    );
  }

  view<T>(which: string): T {
    this.m._ortivo_set_time(this.now());
    return this.withString(which, (w) => this.json<T>(this.m._ortivo_view(w)));
  }

  // The picture's words are read in place, out of the core's memory.
  picture(kind: PictureKind): { words: Int32Array; fonts: PictureView["fonts"]; texts: string[] } {
    const p = this.json<PictureView>(this.m._ortivo_picture(kind));
    const start = p.words >> 2;
    return { words: this.m.HEAP32.subarray(start, start + p.count), fonts: p.fonts, texts: p.texts };
  }

  save(task: string): { bytes: Uint8Array<ArrayBuffer> | null; update: Update } {
    return this.withString(task, (t) => {
      const r = this.json<{ bytes: number; size: number; update: Update }>(this.m._ortivo_save(t));
      return { bytes: r.size > 0 ? this.m.HEAPU8.slice(r.bytes, r.bytes + r.size) : null, update: r.update };
    });
  }

  open(name: string, data: Uint8Array | null, size: number): Update {
    // A file too large for a lesson is refused by its size alone, without reading it.
    const ptr = data ? this.m._malloc(Math.max(1, data.length)) : 0;
    try {
      if (data) this.m.HEAPU8.set(data, ptr);
      return this.withString(name, (n) => this.json<Update>(this.m._ortivo_open(n, ptr, size)));
    } finally {
      if (ptr) this.m._free(ptr);
    }
  }

  // German with no pairs, English with the German and English texts in turn; the view anew.
  language(pairs: string): Update {
    return this.withString(pairs, (p) => this.json<Update>(this.m._ortivo_language(p)));
  }

  lessonHex(): string {
    return this.m.UTF8ToString(this.m._ortivo_lesson_hex());
  }
}
