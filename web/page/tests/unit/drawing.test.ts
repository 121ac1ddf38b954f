// The replay of a frame: labels are black whatever the pen, their ground in the brush's colour.
import assert from "node:assert/strict";
import { test } from "node:test";
import type { Frame } from "../../src/core.ts";
import { drawFrame } from "../../src/drawing.ts";

test("a label in a blue pen is written in black", () => {
  const written: string[] = [];
  const context = new Proxy({ fillStyle: "", fillText: () => written.push(String(context.fillStyle)) } as Record<string, unknown>, {
    get: (target, key) => (key in target ? target[key as string] : () => ({ width: 10 })),
  }) as unknown as CanvasRenderingContext2D & { fillStyle: string };
  const canvas = { width: 0, height: 0, getContext: () => context } as unknown as HTMLCanvasElement;
  (globalThis as { window?: unknown }).window = { devicePixelRatio: 1 };
  const kText = 5;
  const kClearBrush = 1;
  // kind, pen colour, width, style, brush colour, brush style, x1, y1, x2 (font size), y2, text index
  const frame: Frame = {
    calls: Int32Array.from([kText, 0x0000ff, 1, 0, 0xffffff, kClearBrush, 10, 20, 8, 0, 0]),
    reals: new Float64Array(),
    texts: ["H"],
    backgroundCalls: 0,
    results: [],
    error: "",
  };
  drawFrame(canvas, frame, 100, 50);
  assert.deepEqual(written, ["#000000"]);
});
