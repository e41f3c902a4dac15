// Puts the page together into one file: the style, the core (its WebAssembly inside)
// and the page's script inline, with a Content-Security-Policy that lets nothing
// else in: only these two scripts (by their hashes) may run, and nothing may be
// fetched from anywhere.
// The WebAssembly travels as base64 in a data block, which no browser runs.
// The page's English travels as JSON in a second data block.
// usage: node assemble.mjs PAGE_DIR CORE_JS CORE_WASM APP_JS OUT_HTML
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { englishDictionary } from "./dictionary.mjs";

const [pageDir, coreJs, coreWasm, appJs, out] = process.argv.slice(2);
const template = readFileSync(join(pageDir, "index.html"), "utf8");
const style = readFileSync(join(pageDir, "style.css"), "utf8");
const core = readFileSync(coreJs, "utf8");
const app = readFileSync(appJs, "utf8");
const wasm = readFileSync(coreWasm).toString("base64");
const root = join(dirname(fileURLToPath(import.meta.url)), "..", "..");
// "<" escaped: no text of the dictionary can end the data block.
const english = JSON.stringify([...englishDictionary(join(root, "translations", "ortivo_en.ts"),
  join(pageDir, "texts_en.json"))]).replace(/</g, "\\u003c");

for (const [name, text] of [["core", core], ["app", app], ["style", style]])
  if (/<\/(script|style)/i.test(text)) throw new Error(`${name} would end its element early`);

const hash = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;
const csp = [
  "default-src 'none'",
  // The core compiles its WebAssembly from the bytes inside it.
  `script-src ${hash(core)} ${hash(app)} 'wasm-unsafe-eval'`,
  `style-src ${hash(style)}`,
  "img-src data: blob:",
  "connect-src 'none'",
  "form-action 'none'",
  "base-uri 'none'",
].join("; ");

// Replaced by function: the scripts hold "$" sequences that a replacement string would read.
const html = template
  .replace("@CSP@", () => csp)
  .replace("@STYLE@", () => style)
  .replace("@WASM@", () => wasm)
  .replace("@ENGLISH@", () => english)
  .replace("@CORE@", () => core)
  .replace("@APP@", () => app);
writeFileSync(out, html);
console.log(`${out}: ${html.length} bytes`);
