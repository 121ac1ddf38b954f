// The drawing: follows its box's size, repaints from the session and lets pointers (mouse, pen,
// touch) drag a vertex or, off the vertices, the whole picture; the wheel and two fingers zoom. A
// finger gets a larger reach than the core's 5 pixels.
import type { Frame, Session } from "./core.ts";
import { drawFrame } from "./drawing.ts";

const kTouchReach = 20; // CSS pixels around a finger searched for a vertex
const kProbeStep = 5;
const kPinchStep = 1.25; // two fingers this much farther apart (or nearer) zoom one step

export interface DrawingEvents {
  dragStart(): void;         // before the first move of a drag
  dragged(): void;           // the vertex moved
  dragEnd(): void;
  resized(): void;
  zoom(larger: boolean): void;
  hover(readout: string): void; // the mouse's position in the triangle's coordinates

}

export class DrawingArea {
  private width = 0;
  private height = 0;
  // vertex -1: the picture is shifted; x, y: the pointer's last position.
  private dragging: { vertex: number; pointer: number; x: number; y: number } | null = null;
  private pending = false;
  private readonly fingers = new Map<number, [number, number]>(); // touch pointers: their positions
  private pinchSpan = 0; // the fingers' distance at the last zoom step

  constructor(
    private readonly session: Session,
    readonly canvas: HTMLCanvasElement,
    private readonly events: DrawingEvents,
  ) {
    canvas.addEventListener("pointerdown", (e) => this.down(e));
    canvas.addEventListener("pointermove", (e) => this.move(e));
    canvas.addEventListener("pointerup", (e) => this.up(e));
    canvas.addEventListener("pointercancel", (e) => this.up(e));
    canvas.addEventListener("pointerleave", () => this.events.hover(""));
    canvas.addEventListener("wheel", (e) => {
      if (e.deltaY === 0) return;
      e.preventDefault();
      this.events.zoom(e.deltaY < 0);
    });
    this.fit(false);
    new ResizeObserver(() => this.fit(true)).observe(canvas.parentElement ?? canvas);
  }

  size(): { width: number; height: number } {
    return { width: this.width, height: this.height };
  }

  paint(frame: Frame): void {
    drawFrame(this.canvas, frame, this.width, this.height);
  }

  // Whole CSS pixels from the box around the drawing, and the drawing moved by less than a pixel
  // onto the device's pixels: otherwise the browser would blur every line when it shows the canvas.
  // The printed page lays the drawing out anew: the picture on screen is printed as it is, and the
  // session keeps its size and view (a new size would reset the view).
  private fit(announce: boolean): void {
    if (window.matchMedia("print").matches) return;
    const box = this.canvas.parentElement ?? this.canvas;
    const width = Math.max(1, box.clientWidth);
    const height = Math.max(1, box.clientHeight);
    this.canvas.style.width = `${width}px`;
    this.canvas.style.height = `${height}px`;
    this.canvas.style.left = this.canvas.style.top = "0px";
    const at = this.canvas.getBoundingClientRect();
    const ratio = window.devicePixelRatio || 1;
    this.canvas.style.left = `${Math.round(at.left * ratio) / ratio - at.left}px`;
    this.canvas.style.top = `${Math.round(at.top * ratio) / ratio - at.top}px`;
    if (width === this.width && height === this.height) return;
    this.width = width;
    this.height = height;
    this.session.resize(width, height);
    if (announce) this.events.resized();
  }

  private at(e: PointerEvent): [number, number] {
    const box = this.canvas.getBoundingClientRect();
    return [Math.round(e.clientX - box.left), Math.round(e.clientY - box.top)];
  }

  // The vertex under the pointer; for a finger the core is asked around it, nearest first.
  private pick(x: number, y: number, touch: boolean): number {
    const hit = this.session.pickVertex(x, y);
    if (hit >= 0 || !touch) return hit;
    const probes: [number, number][] = [];
    for (let dy = -kTouchReach; dy <= kTouchReach; dy += kProbeStep)
      for (let dx = -kTouchReach; dx <= kTouchReach; dx += kProbeStep)
        if (dx * dx + dy * dy <= kTouchReach * kTouchReach) probes.push([dx, dy]);
    probes.sort((a, b) => a[0] ** 2 + a[1] ** 2 - (b[0] ** 2 + b[1] ** 2));
    for (const [dx, dy] of probes) {
      const v = this.session.pickVertex(x + dx, y + dy);
      if (v >= 0) return v;
    }
    return -1;
  }

  private span(): number {
    const [a, b] = [...this.fingers.values()];
    return Math.hypot(a[0] - b[0], a[1] - b[1]);
  }

  // A second finger ends a shift of the picture and starts a pinch; a vertex drag goes on.
  private pinch(e: PointerEvent): boolean {
    if (e.pointerType !== "touch") return false;
    if (e.type === "pointerdown") this.fingers.set(e.pointerId, this.at(e));
    else if (e.type === "pointermove" && this.fingers.has(e.pointerId)) this.fingers.set(e.pointerId, this.at(e));
    else this.fingers.delete(e.pointerId);
    const vertexDrag = this.dragging !== null && this.dragging.vertex >= 0;
    if (this.fingers.size !== 2 || vertexDrag) {
      this.pinchSpan = 0;
      return false;
    }
    if (e.type === "pointerdown") {
      this.canvas.setPointerCapture(e.pointerId);
      this.dragging = null;
      this.pinchSpan = this.span();
      this.events.dragEnd();
      return true;
    }
    if (this.pinchSpan > 0 && e.type === "pointermove") {
      const ratio = this.span() / this.pinchSpan;
      if (ratio > kPinchStep || ratio < 1 / kPinchStep) {
        this.pinchSpan = this.span();
        this.events.zoom(ratio > 1);
      }
    }
    return true;
  }

  private down(e: PointerEvent): void {
    if (this.pinch(e)) return;
    if (this.dragging || (e.pointerType === "mouse" && e.button !== 0)) return;
    const [x, y] = this.at(e);
    const vertex = this.pick(x, y, e.pointerType === "touch");
    e.preventDefault();
    this.canvas.setPointerCapture(e.pointerId);
    this.dragging = { vertex, pointer: e.pointerId, x, y };
    this.events.dragStart();
  }

  private move(e: PointerEvent): void {
    if (this.pinch(e)) return;
    const [x, y] = this.at(e);
    if (!this.dragging) {
      if (e.pointerType === "mouse") this.events.hover(this.session.mouseReadout(x, y));
      return;
    }
    if (e.pointerId !== this.dragging.pointer) return;
    if (this.dragging.vertex >= 0) this.session.dragVertex(this.dragging.vertex, x, y);
    else this.session.shift(x - this.dragging.x, y - this.dragging.y);
    this.dragging.x = x;
    this.dragging.y = y;
    if (this.pending) return;
    this.pending = true;
    requestAnimationFrame(() => {
      this.pending = false;
      this.events.dragged();
    });
  }

  private up(e: PointerEvent): void {
    this.pinch(e);
    if (!this.dragging || e.pointerId !== this.dragging.pointer) return;
    this.dragging = null;
    this.events.dragged();
    this.events.dragEnd();
  }
}
