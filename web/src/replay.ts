// Draws a core picture (its Canvas calls as words, see CanvasStream.h) on an HTML
// canvas, as the desktop's painter draws the same calls: lines through pixel
// centres, shapes with the pen outlined and the brush filled, text by its top left.

const enum Op { Style = 1, Move, Lines, Ellipse, Rectangle, Text }
const enum PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear }
const enum BrushStyle { Solid, Clear }

function cssColor(c: number): string {
  c = c >>> 0;
  // System colours (top byte 0xFF): the caption gradient is the only one drawn.
  if (c >>> 24 === 0xff) return "rgb(63, 156, 224)";
  return `rgb(${c & 0xff}, ${(c >>> 8) & 0xff}, ${(c >>> 16) & 0xff})`;
}

function dashes(style: number, width: number): number[] {
  const w = Math.max(1, width);
  switch (style) {
    case PenStyle.Dash: return [4 * w, 2 * w];
    case PenStyle.Dot: return [w, 2 * w];
    case PenStyle.DashDot: return [4 * w, 2 * w, w, 2 * w];
    case PenStyle.DashDotDot: return [4 * w, 2 * w, w, 2 * w, w, 2 * w];
    default: return [];
  }
}

class PictureCanvas {
  readonly ctx: CanvasRenderingContext2D;

  constructor(readonly canvas: HTMLCanvasElement, readonly width: number, readonly height: number) {
    const ratio = Math.min(2, window.devicePixelRatio || 1);
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    this.ctx = canvas.getContext("2d", { alpha: false })!;
    this.ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
    this.ctx.fillStyle = "#fff";
    this.ctx.fillRect(0, 0, width, height);
  }

  replay(p: { words: Int32Array; fonts: { css: string; color: number }[]; texts: string[] }): void {
    const ctx = this.ctx;
    const w = p.words;
    let penColor = "#000", penWidth = 1, penStyle = 0, brushColor = "#fff", brushStyle = 0, font = 0;
    let x = 0, y = 0;
    let pathOpen = false;
    const strokePath = () => {
      if (pathOpen && penStyle !== PenStyle.Clear) ctx.stroke();
      pathOpen = false;
    };
    const applyPen = () => {
      ctx.strokeStyle = penColor;
      ctx.lineWidth = Math.max(1, penWidth);
      ctx.lineCap = penWidth > 1 ? "round" : "butt";
      ctx.lineJoin = penWidth > 1 ? "round" : "miter";
      ctx.setLineDash(dashes(penStyle, penWidth));
    };
    let i = 0;
    while (i < w.length) {
      const op = w[i++];
      switch (op) {
        case Op.Style: {
          strokePath();
          penColor = cssColor(w[i]); penWidth = w[i + 1]; penStyle = w[i + 2];
          brushColor = cssColor(w[i + 3]); brushStyle = w[i + 4]; font = w[i + 5];
          i += 6;
          applyPen();
          break;
        }
        case Op.Move:
          x = w[i]; y = w[i + 1];
          i += 2;
          break;
        case Op.Lines: {
          const n = w[i++];
          if (!pathOpen) { ctx.beginPath(); pathOpen = true; }
          ctx.moveTo(x + 0.5, y + 0.5);
          for (let k = 0; k < n; k++, i += 2) ctx.lineTo(w[i] + 0.5, w[i + 1] + 0.5);
          x = w[i - 2]; y = w[i - 1];
          break;
        }
        case Op.Ellipse: {
          strokePath();
          const [x1, y1, x2, y2] = [w[i], w[i + 1], w[i + 2], w[i + 3]];
          i += 4;
          ctx.beginPath();
          ctx.ellipse((x1 + x2) / 2, (y1 + y2) / 2, Math.max(0, (x2 - x1 - 1) / 2), Math.max(0, (y2 - y1 - 1) / 2), 0, 0, 2 * Math.PI);
          if (brushStyle === BrushStyle.Solid) { ctx.fillStyle = brushColor; ctx.fill(); }
          if (penStyle !== PenStyle.Clear) ctx.stroke();
          break;
        }
        case Op.Rectangle: {
          strokePath();
          const [x1, y1, x2, y2] = [w[i], w[i + 1], w[i + 2], w[i + 3]];
          i += 4;
          if (brushStyle === BrushStyle.Solid) { ctx.fillStyle = brushColor; ctx.fillRect(x1, y1, x2 - x1, y2 - y1); }
          if (penStyle !== PenStyle.Clear) ctx.strokeRect(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1);
          break;
        }
        case Op.Text: {
          strokePath();
          const f = p.fonts[font];
          const text = p.texts[w[i + 2]];
          ctx.font = f.css;
          ctx.textBaseline = "top";
          if (brushStyle === BrushStyle.Solid) {
            const m = ctx.measureText(text);
            ctx.fillStyle = brushColor;
            ctx.fillRect(w[i], w[i + 1], Math.ceil(m.width), Math.ceil(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent));
          }
          ctx.fillStyle = cssColor(f.color);
          ctx.fillText(text, w[i], w[i + 1]);
          i += 3;
          break;
        }
        default:
          throw new Error(`Unbekannter Zeichenbefehl ${op}`);
      }
    }
    strokePath();
  }
}
