// The page: opens the core's session and ties the controls to it. Every change goes through the
// session, then the page repaints from what the session reports.
import { openSession, type Session } from "./core.ts";
import { DrawingArea } from "./drawing-area.ts";
import { ElementLists } from "./element-lists.ts";
import { download, loadFile } from "./files.ts";
import { History } from "./history.ts";
import { MotionPanel } from "./motion-panel.ts";
import { CoreWorker } from "./core-worker-client.ts";
import { RelationsPanel } from "./relations-panel.ts";
import { RelationsSearch } from "./relations.ts";
import { encodeShare, kDamagedLink, parseShare, sizesOf } from "./share-link.ts";

function byId<T extends HTMLElement>(id: string): T {
  const element = document.getElementById(id);
  if (!element) throw new Error(`Element #${id} fehlt.`);
  return element as T;
}

// The last picture drawn and the last relations searched, for the benchmark
// (scripts/web-page-bench.sh): only the newest of each is kept.
function timeline(name: string, start?: number): void {
  performance.clearMarks(name);
  performance.clearMeasures(name);
  if (start === undefined) performance.mark(name);
  else performance.measure(name, { start });
}

const kNoPicture = "Das Bild ließ sich nicht als PNG schreiben.";
const kTraceDropped = "Die Ortslinie wurde verworfen: Die Zeichnung hat sich inzwischen geändert.";

class Page {
  private readonly history: History;
  private readonly drawing: DrawingArea;
  private readonly lists: ElementLists;
  private readonly fields = [0, 1, 2, 3, 4, 5].map((i) => byId<HTMLInputElement>(`field-${i}`));
  private readonly status = byId<HTMLSpanElement>("status");
  private readonly motion: MotionPanel;
  private readonly worker = new CoreWorker();
  private readonly search: RelationsSearch;
  private readonly relations: RelationsPanel;
  private relationsStart = 0;
  private showResults = false;
  private dragStart = "";
  private vertex = -1; // the vertex the keyboard moves

  constructor(private readonly session: Session) {
    this.history = new History(session);
    this.search = new RelationsSearch(this.worker, (found) => {
      this.relations.shown(found);
      timeline("trimora-relations", this.relationsStart);
    });
    this.drawing = new DrawingArea(session, byId<HTMLCanvasElement>("drawing"), {
      dragStart: () => {
        this.motion.stop();
        this.dragStart = session.captureState();
      },
      dragged: () => this.render(),
      dragEnd: () => {
        this.history.record(this.dragStart);
        this.render();
      },
      resized: () => this.render(),
      zoom: (larger) => this.change(() => (larger ? session.stretchUp() : session.stretchDown())),
      hover: (readout) => (byId("readout").textContent = readout),
    });
    // The start triangle is placed for a desktop window's drawing; a phone's is narrower.
    const kNarrow = 600;
    if (this.drawing.size().width < kNarrow) session.showEverything();
    this.lists = new ElementLists(session, byId("tabs"), byId("tab-panel"), byId("search"), (tab, item, on) =>
      this.change(() => this.report(session.setTabItem(tab, item, on))),
    );
    let animationStart = "";
    this.motion = new MotionPanel(
      session, byId("move-vertex"), byId("move-path"), byId("animate"), byId("locus-point"), byId("trace"), byId("motion"),
      {
        changed: () => this.render(),
        report: (message) => this.report(message),
        started: () => (animationStart = session.captureState()),
        trace: (names, vertex, path) => this.traceLoci(names, vertex, path),
        stopped: () => {
          this.history.record(animationStart);
          this.render();
        },
      },
    );
    this.relations = new RelationsPanel(
      (all, limit) => {
        this.relationsStart = performance.now();
        const { width, height } = this.drawing.size();
        this.search.start(session.captureState(), width, height, all, limit);
      },
      byId("relations"), byId("relations-list"), byId("relations-filter"), byId("relations-place"),
      byId("relations-this"), byId("relations-count"), byId("relations-more"),
    );
    this.wireDrawingKeys();
    this.wireFields();
    this.wireTools();
    this.wireTopics();
    this.wireFiles();
    this.wireShare();
    this.render();
  }

  // The loci are traced in the worker and added here, unless the drawing changed meanwhile.
  private async traceLoci(names: string[], vertex: number, path: number): Promise<string> {
    const state = this.session.captureState();
    const { width, height } = this.drawing.size();
    const traced = await this.worker.run(state, width, height, { kind: "loci", names, vertex, path });
    if (traced.error) return traced.error;
    if (this.session.captureState() !== state) return kTraceDropped;
    return this.session.addLoci(traced.bytes);
  }

  // One undoable change, then the repaint; the last message goes.
  private change(work: () => void): void {
    this.motion.stop(); // a change ends the animation, as on the desktop
    this.report("");
    this.history.change(work);
    this.render();
  }

  private report(message: string, good = false): void {
    this.status.textContent = message;
    this.status.classList.toggle("error", message !== "" && !good);
  }

  private render(): void {
    const s = this.session;
    s.fields().forEach((text, i) => {
      const field = this.fields[i];
      if (document.activeElement !== field || !field.dataset.edited) field.value = text;
      const error = s.fieldError(i);
      field.setAttribute("aria-invalid", String(error !== ""));
      field.title = error;
    });
    const frame = s.paint();
    if (frame.error) this.report(frame.error);
    this.drawing.paint(frame);
    timeline("trimora-drawn");
    byId("result-lines").textContent = frame.results.join("\n");
    this.relations.changed();
    byId<HTMLButtonElement>("undo").disabled = !this.history.canUndo();
    byId<HTMLButtonElement>("redo").disabled = !this.history.canRedo();
    this.lists.sync();
    this.motion.sync();
  }

  // In the focused drawing the arrow keys shift the picture, + and - zoom.
  private wireDrawingKeys(): void {
    const s = this.session;
    const kStep = 20; // pixels per arrow key
    const keys: Record<string, () => void> = {
      ArrowLeft: () => s.shift(-kStep, 0),
      ArrowRight: () => s.shift(kStep, 0),
      ArrowUp: () => s.shift(0, -kStep),
      ArrowDown: () => s.shift(0, kStep),
      "+": () => s.stretchUp(),
      "-": () => s.stretchDown(),
    };
    // A, B or C chooses a vertex; Shift and the arrow keys move it a step of 10 pixels.
    const kVertexStep = 10;
    const moves: Record<string, [number, number]> = {
      ArrowLeft: [-kVertexStep, 0], ArrowRight: [kVertexStep, 0], ArrowUp: [0, -kVertexStep], ArrowDown: [0, kVertexStep],
    };
    this.drawing.canvas.addEventListener("keydown", (e) => {
      if (e.ctrlKey || e.altKey || e.metaKey) return;
      const chosen = ["a", "b", "c"].indexOf(e.key.toLowerCase());
      if (chosen >= 0 && !e.shiftKey) {
        this.vertex = chosen;
        this.report(`Ecke ${"ABC"[chosen]} gewählt: Umschalt und Pfeiltasten bewegen sie.`, true);
        return;
      }
      const move = moves[e.key];
      if (e.shiftKey && move) {
        e.preventDefault();
        if (this.vertex < 0) {
          this.report("Wählen Sie zuerst mit A, B oder C eine Ecke.");
          return;
        }
        const v = this.vertex;
        const [x, y] = s.vertex(v);
        this.change(() => s.dragVertex(v, x + move[0], y + move[1]));
        return;
      }
      const work = keys[e.key];
      if (!work) return;
      e.preventDefault();
      this.change(work);
    });
  }

  private wireFields(): void {
    this.fields.forEach((field) => field.addEventListener("input", () => (field.dataset.edited = "1")));
    byId<HTMLFormElement>("fields").addEventListener("submit", (e) => {
      e.preventDefault();
      this.change(() => {
        this.fields.forEach((field, i) => this.session.setField(i, field.value));
        this.session.applyFields();
      });
      this.fields.forEach((field) => delete field.dataset.edited);
      this.setResults(false);
      this.render();
    });
    byId("results-mode").addEventListener("click", () => this.setResults(!this.showResults));
  }

  private setResults(on: boolean): void {
    this.showResults = on;
    byId("results-mode").setAttribute("aria-pressed", String(on));
    byId("results").hidden = !on;
    this.drawing.canvas.hidden = on;
    this.render();
  }

  private wireTools(): void {
    const s = this.session;
    const tool = (id: string, work: () => void): void => byId(id).addEventListener("click", () => this.change(work));
    tool("zoom-in", () => s.stretchUp());
    tool("zoom-out", () => s.stretchDown());
    tool("show-all", () => s.showEverything());
    tool("reset-view", () => s.basicSetting());
    tool("axes", () => s.toggleAxes());
    tool("grid", () => s.toggleGrid());
    tool("trilinear", () => s.toggleTrilinear());
    tool("etc", () => s.toggleEtcNumbers());
    tool("clear-selection", () => s.clearSelection());
    byId("undo").addEventListener("click", () => this.undo(false));
    byId("redo").addEventListener("click", () => this.undo(true));
    document.addEventListener("keydown", (e) => {
      const inText = e.target instanceof HTMLInputElement && e.target.type !== "checkbox";
      if (e.key === "F12" && e.ctrlKey) {
        e.preventDefault();
        this.change(() => s.bulkSelection());
      } else if ((e.ctrlKey || e.metaKey) && !inText && (e.key === "z" || e.key === "y" || e.key === "Z")) {
        e.preventDefault();
        this.undo(e.key === "y" || e.shiftKey);
      }
    });
  }

  private undo(redo: boolean): void {
    this.motion.stop();
    this.report(redo ? this.history.redo() : this.history.undo());
    this.fields.forEach((field) => delete field.dataset.edited);
    this.render();
  }

  private wireTopics(): void {
    const select = byId<HTMLSelectElement>("topic");
    for (const title of this.session.topicTitles()) select.add(new Option(title, title));
    select.addEventListener("change", () => {
      if (select.value === "") return;
      this.change(() => this.report(this.session.applyTopic(select.value)));
    });
  }

  private wireFiles(): void {
    const s = this.session;
    const picker = byId<HTMLInputElement>("file");
    byId("open-file").addEventListener("click", () => picker.click());
    picker.addEventListener("change", async () => {
      const file = picker.files?.[0];
      picker.value = "";
      if (!file) return;
      const before = s.captureState();
      this.report(await loadFile(s, file));
      this.history.record(before);
      this.render();
    });
    byId("save-file").addEventListener("click", () => download("Dreieck.tmo", s.dataFileBytes(), "application/octet-stream"));
    const results = (text: { text: string; error: string }, name: string, type: string): void => {
      if (text.error) this.report(text.error);
      else download(name, text.text, type);
    };
    byId("save-png").addEventListener("click", () =>
      this.drawing.canvas.toBlob((png) => (png ? download("Dreieck.png", png, "image/png") : this.report(kNoPicture))),
    );
    byId("save-svg").addEventListener("click", () => results(s.svg(), "Dreieck.svg", "image/svg+xml"));
    const kCmPerUnit = 1; // one unit of the triangle's coordinates is a centimetre on paper
    byId("save-tikz").addEventListener("click", () => results(s.tikz(kCmPerUnit), "Dreieck.tex", "text/x-tex;charset=utf-8"));
    byId("print").addEventListener("click", () => window.print());
    byId("save-text").addEventListener("click", () => results(s.resultsText(), "Ergebnisse.txt", "text/plain;charset=utf-8"));
    byId("save-csv").addEventListener("click", () => results(s.resultsCsv(), "Ergebnisse.csv", "text/csv;charset=utf-8"));
  }

  // "Link kopieren" writes the state into the address's fragment and copies the address; a link
  // opened (at the start or pasted into the address bar) puts its state back, one undo step.
  private wireShare(): void {
    const s = this.session;
    byId("share").addEventListener("click", async () => {
      const url = `${location.href.split("#")[0]}#${encodeShare(s.captureState())}`;
      history.replaceState(null, "", url);
      try {
        await navigator.clipboard.writeText(url);
        this.report("Link kopiert: Er zeigt dieses Bild mit seinen Elementen und seiner Ansicht.", true);
      } catch {
        this.report("Die Zwischenablage ließ sich nicht beschreiben; der Link steht in der Adresszeile.", true);
      }
    });
    window.addEventListener("hashchange", () => this.openLink());
    this.openLink();
  }

  private openLink(): void {
    const read = parseShare(location.hash, sizesOf(this.session.captureState()));
    if (read === null) return;
    // A value the core refuses leaves the triangle as it was (at the start: the start triangle).
    let error = "error" in read ? read.error : "";
    if ("state" in read) this.change(() => (error = this.session.restoreState(read.state) && kDamagedLink));
    this.report(error);
  }
}

async function start(): Promise<void> {
  // The start triangle is placed for the drawing's size: the box around the canvas gives it.
  const stage = byId("drawing").parentElement ?? document.body;
  try {
    const session = await openSession(Math.max(1, stage.clientWidth), Math.max(1, stage.clientHeight));
    new Page(session);
    document.body.dataset.ready = "1";
    timeline("trimora-ready");
  } catch (error) {
    const status = byId("status");
    status.textContent = `Der Rechenkern ließ sich nicht laden: ${String(error)}`;
    status.classList.add("error");
  }
}

// After the first visit the page works without a network (offline/service-worker.js); the
// development server has no worker.
if (import.meta.env.PROD && "serviceWorker" in navigator) {
  navigator.serviceWorker.register("./sw.js").catch(() => undefined);
}
void start();
