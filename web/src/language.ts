// The page's language. German is the language of every text as written; English comes
// from the program's translation, embedded in the page (web/tools/dictionary.mjs). The
// choice is kept in the browser's storage for this page, no cookie; without one the
// browser's own language decides: English for an English browser, German for any other.

type LanguageCode = "de" | "en";
const LANGUAGE_KEY = "ortivo.sprache";

class PageLanguage {
  current: LanguageCode = "de";
  private readonly english = new Map<string, string>();
  // The German of each text node and attribute the page is built with.
  private readonly texts: { node: Text; german: string }[] = [];
  private readonly attributes: { element: Element; name: string; german: string }[] = [];

  constructor() {
    const data = document.getElementById("OrtivoEnglish")?.textContent ?? "[]";
    for (const [german, english] of JSON.parse(data) as [string, string][]) this.english.set(german, english);
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode() as Text | null; node; node = walker.nextNode() as Text | null) {
      const parent = node.parentElement;
      if (parent && !["SCRIPT", "STYLE"].includes(parent.tagName) && /\p{L}/u.test(node.data))
        this.texts.push({ node, german: node.data });
    }
    for (const element of document.body.querySelectorAll("[title], [aria-label]"))
      for (const name of ["title", "aria-label"])
        if (element.hasAttribute(name)) this.attributes.push({ element, name, german: element.getAttribute(name)! });
  }

  // The language of a new visit: the one chosen here before, else the browser's.
  static chosen(): LanguageCode {
    try {
      const kept = window.localStorage.getItem(LANGUAGE_KEY);
      if (kept === "de" || kept === "en") return kept;
    } catch {
      // Storage forbidden (a locked-down browser): the browser's language decides.
    }
    return (navigator.languages?.[0] ?? navigator.language ?? "").toLowerCase().startsWith("en") ? "en" : "de";
  }

  static keep(code: LanguageCode): void {
    try {
      window.localStorage.setItem(LANGUAGE_KEY, code);
    } catch {
      // Not kept; the page works on in the language chosen.
    }
  }

  // The pairs of German and English for the core, as one text of fields.
  pairs(separator: string): string {
    return [...this.english].flat().join(separator);
  }

  // A text of the page in the current language; its leading and trailing space stay.
  tr(german: string): string {
    if (this.current === "de") return german;
    const [, lead, core, trail] = /^([\s\u00a0]*)([\s\S]*?)([\s\u00a0]*)$/.exec(german)!;
    const english = this.english.get(core);
    return english === undefined ? german : lead + english + trail;
  }

  // A text with %1, %2 … filled in, as the core fills its texts.
  fill(pattern: string, ...args: string[]): string {
    return this.tr(pattern).replace(/%([1-9])/g, (whole, n: string) => args[Number(n) - 1] ?? whole);
  }

  // Rewrites the page's own words; what the core sends, the page writes anew itself.
  set(code: LanguageCode): void {
    this.current = code;
    document.documentElement.lang = code;
    for (const t of this.texts) t.node.data = this.tr(t.german);
    for (const a of this.attributes) a.element.setAttribute(a.name, this.tr(a.german));
  }

  // Numbers as the language groups them.
  grouped(value: number): string {
    return value.toLocaleString(this.current === "en" ? "en-GB" : "de-DE");
  }
}

let pageLanguage: PageLanguage;
function tr(german: string): string {
  return pageLanguage ? pageLanguage.tr(german) : german;
}
