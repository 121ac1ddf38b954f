// Replays one frame of the core's drawing calls (draw/recording_canvas.h) with the canvas 2D API,
// in CSS pixels scaled to the device's pixel ratio, so that lines and text stay sharp.
import type { Frame } from "./core.ts";

// CanvasCall::Kind
const enum Kind {
  MoveTo,
  LineTo,
  Ellipse,
  Polygon,
  Rectangle,
  Text,
  Polyline,
}
const enum PenStyle {
  Solid,
  Dot,
  Clear,
}
const enum BrushStyle {
  Solid,
  Clear,
  BDiagonal,
  FDiagonal,
  Horizontal,
}
const kRecord = 11; // kind, pen colour, width, style, brush colour, style, x1, y1, x2, y2, count

function css(rgb: number): string {
  return `#${rgb.toString(16).padStart(6, "0")}`;
}

// A hatched brush as a repeating 8 x 8 tile, as a GDI hatch.
function hatch(ctx: CanvasRenderingContext2D, rgb: number, style: BrushStyle): CanvasPattern | string {
  const tile = document.createElement("canvas");
  tile.width = tile.height = 8;
  const t = tile.getContext("2d");
  if (!t) return css(rgb);
  t.strokeStyle = css(rgb);
  t.lineWidth = 1;
  t.beginPath();
  if (style === BrushStyle.Horizontal) {
    t.moveTo(0, 7.5);
    t.lineTo(8, 7.5);
  } else if (style === BrushStyle.BDiagonal) {
    t.moveTo(0, 8);
    t.lineTo(8, 0);
  } else {
    t.moveTo(0, 0);
    t.lineTo(8, 8);
  }
  t.stroke();
  return ctx.createPattern(tile, "repeat") ?? css(rgb);
}

export function drawFrame(canvas: HTMLCanvasElement, frame: Frame, width: number, height: number): void {
  const ctx = canvas.getContext("2d");
  if (!ctx) return;
  const ratio = window.devicePixelRatio || 1;
  const pixelWidth = Math.round(width * ratio);
  const pixelHeight = Math.round(height * ratio);
  if (canvas.width !== pixelWidth || canvas.height !== pixelHeight) {
    canvas.width = pixelWidth;
    canvas.height = pixelHeight;
  }
  ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
  ctx.fillStyle = "#ffffff";
  ctx.fillRect(0, 0, width, height);
  ctx.lineCap = "butt";
  ctx.lineJoin = "miter";

  const c = frame.calls;
  let real = 0; // next x of a polyline in frame.reals
  // Runs of lines in one pen are stroked as one path; the pen is set only when it changes.
  let pen = "";
  let openLines = false;
  const flush = (): void => {
    if (openLines) ctx.stroke();
    openLines = false;
  };
  for (let at = 0; at + kRecord <= c.length; ) {
    const kind = c[at] as Kind;
    const penStyle = c[at + 3] as PenStyle;
    const brushStyle = c[at + 5] as BrushStyle;
    const penWidth = Math.max(1, c[at + 2]);
    const [x1, y1, x2, y2, count] = [c[at + 6], c[at + 7], c[at + 8], c[at + 9], c[at + 10]];
    const base = at;
    const points = at + kRecord;
    at += kRecord + (kind === Kind.Polygon ? 2 * count : 0);
    if (kind === Kind.MoveTo) continue;

    // Odd widths sit on pixel centres, as GDI draws them.
    const half = penWidth % 2 === 1 ? 0.5 : 0;
    const stroke = penStyle !== PenStyle.Clear;
    const penKey = `${c[base + 1]} ${penWidth} ${penStyle}`;
    if (kind === Kind.LineTo) {
      if (!stroke) continue;
      if (penKey !== pen || !openLines) {
        flush();
        setPen(ctx, c[base + 1], penWidth, penStyle);
        pen = penKey;
        ctx.beginPath();
        openLines = true;
      }
      ctx.moveTo(x2 + half, y2 + half);
      ctx.lineTo(x1 + half, y1 + half);
      continue;
    }
    flush();
    if (penKey !== pen) {
      setPen(ctx, c[base + 1], penWidth, penStyle);
      pen = penKey;
    }
    const brush = brushStyle === BrushStyle.Clear ? null
      : brushStyle === BrushStyle.Solid ? css(c[base + 4])
      : hatch(ctx, c[base + 4], brushStyle);
    const outline = (): void => {
      if (brush) {
        ctx.fillStyle = brush;
        ctx.fill();
      }
      if (stroke) ctx.stroke();
    };

    switch (kind) {
      case Kind.Ellipse: {
        const rx = (x2 - x1 - 1) / 2;
        const ry = (y2 - y1 - 1) / 2;
        if (rx < 0 || ry < 0) break;
        ctx.beginPath();
        ctx.ellipse(x1 + rx + 0.5, y1 + ry + 0.5, rx, ry, 0, 0, 2 * Math.PI);
        outline();
        break;
      }
      case Kind.Rectangle:
        ctx.beginPath();
        ctx.rect(x1 + half, y1 + half, x2 - x1 - 1, y2 - y1 - 1);
        outline();
        break;
      case Kind.Polygon:
        if (count < 2) break;
        ctx.beginPath();
        ctx.moveTo(c[points] + half, c[points + 1] + half);
        for (let i = 1; i < count; ++i) ctx.lineTo(c[points + 2 * i] + half, c[points + 2 * i + 1] + half);
        ctx.closePath();
        outline();
        break;
      case Kind.Polyline: {
        const r = frame.reals;
        if (stroke && count > 1) {
          ctx.beginPath();
          ctx.moveTo(r[real], r[real + 1]);
          for (let i = 1; i < count; ++i) ctx.lineTo(r[real + 2 * i], r[real + 2 * i + 1]);
          ctx.stroke();
        }
        real += 2 * count;
        break;
      }
      case Kind.Text: {
        const text = frame.texts[count] ?? "";
        ctx.font = `${(x2 * 96) / 72}px Verdana, "DejaVu Sans", sans-serif`;
        ctx.textBaseline = "top";
        if (brush) {
          const m = ctx.measureText(text);
          ctx.fillStyle = brush;
          ctx.fillRect(x1, y1, m.width, (x2 * 96 * 1.2) / 72);
        }
        ctx.fillStyle = "#000000"; // text is black whatever the pen, as on the desktop
        ctx.fillText(text, x1, y1);
        break;
      }
    }
  }
  flush();
}

function setPen(ctx: CanvasRenderingContext2D, rgb: number, width: number, style: PenStyle): void {
  ctx.strokeStyle = css(rgb);
  ctx.lineWidth = width;
  ctx.setLineDash(style === PenStyle.Dot ? [1, 2] : []);
}
