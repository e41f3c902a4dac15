// The page's English: every translation of the program (translations/ortivo_en.ts, the
// core's texts first, then the desktop windows', whose words the page shares) and the
// few texts only the page has (web/page/texts_en.json, which win). Pairs of German and
// English; the first pair of a German text counts.
import { readFileSync } from "node:fs";

const entities = { amp: "&", lt: "<", gt: ">", quot: "\"", apos: "'" };
const unescape = (text) =>
  text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
    if (name.startsWith("#x")) return String.fromCodePoint(parseInt(name.slice(2), 16));
    if (name.startsWith("#")) return String.fromCodePoint(parseInt(name.slice(1), 10));
    return entities[name] ?? whole;
  });

// A window's texts carry their keyboard mark ("&Datei"); the page's words have none.
const withoutMark = (text) => text.replace(/&(&?)/g, (_, second) => second);

export function programPairs(tsFile) {
  const contexts = [];
  for (const [, body] of readFileSync(tsFile, "utf8").matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = /<name>([^<]*)<\/name>/.exec(body)?.[1] ?? "";
    const pairs = [];
    for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(message);
      const translation = /<translation(?![^>]*type="(?:unfinished|vanished|obsolete)")[^>]*>([\s\S]*?)<\/translation>/.exec(message);
      if (!source || !translation || translation[1] === "") continue;
      const german = unescape(source[1]), english = unescape(translation[1]);
      pairs.push([german, english]);
      if (withoutMark(german) !== german) pairs.push([withoutMark(german), withoutMark(english)]);
    }
    contexts.push({ name, pairs });
  }
  contexts.sort((a, b) => (b.name === "core") - (a.name === "core"));
  return contexts.flatMap((c) => c.pairs);
}

export function pagePairs(jsonFile) {
  return Object.entries(JSON.parse(readFileSync(jsonFile, "utf8")));
}

// German -> English, the page's own texts first.
export function englishDictionary(tsFile, jsonFile) {
  const dictionary = new Map();
  for (const [german, english] of [...pagePairs(jsonFile), ...programPairs(tsFile)])
    if (!dictionary.has(german)) dictionary.set(german, english);
  return dictionary;
}

// The German words of the page itself, as the page's language walk finds them: each text
// between tags (trimmed), each title and aria-label, and each tr("…") and fill("…") of its scripts.
// Words without a letter (numbers, marks, "x") need no translation.
export function pageTexts(html, scripts) {
  const texts = new Set();
  const body = html.replace(/<(script|style)[^>]*>[\s\S]*?<\/\1>/g, "").replace(/<head>[\s\S]*?<\/head>/, "");
  const decode = (t) => t.replace(/&nbsp;/g, "\u00a0").replace(/&amp;/g, "&").replace(/&lt;/g, "<").replace(/&gt;/g, ">");
  const add = (t) => {
    const trimmed = decode(t).replace(/^[\s\u00a0]+|[\s\u00a0]+$/g, "");
    if (/[A-Za-zÄÖÜäöüß]{2}/.test(trimmed) && !/^[A-Z]+$/.test(trimmed)) texts.add(trimmed);  // not "GDOP"
  };
  for (const [, t] of body.matchAll(/>([^<]+)</g)) add(t);
  for (const [, , t] of body.matchAll(/\s(title|aria-label)="([^"]*)"/g)) add(t);
  for (const script of scripts) for (const [, t] of script.matchAll(/\b(?:tr|fill)\("((?:[^"\\]|\\.)*)"/g)) add(JSON.parse(`"${t}"`));
  return [...texts];
}
