// The typed face of the WebAssembly module (web/bindings.cpp): class Session and what its
// methods hand back. The page calls the core only through this file.
import createTrimora from "@core/trimora-core.mjs";
import wasmUrl from "@core/trimora-core.wasm?url";

export interface Frame {
  calls: Int32Array;
  reals: Float64Array;
  texts: string[];
  backgroundCalls: number;
  results: string[];
  error: string;
}

// The marked points of the switched entries: names, and x, y in pixels of each.
export interface MarkedPoints {
  names: string[];
  xy: Float64Array;
}

export interface TextResult {
  text: string;
  error: string;
}

export interface Session {
  fields(): string[];
  setField(index: number, text: string): string;
  fieldError(index: number): string;
  applyFields(): void;
  pickVertex(x: number, y: number): number;
  vertex(vertex: number): Int32Array; // x, y in pixels
  dragVertex(vertex: number, x: number, y: number): void;
  mouseReadout(x: number, y: number): string;
  tabPages(): string[];
  tabItemNames(tab: number): string[];
  tabChecks(tab: number): Uint8Array;
  setTabItem(tab: number, item: number, on: boolean): string;
  bulkSelection(): void;
  clearSelection(): void;
  topicTitles(): string[];
  applyTopic(title: string): string;
  loadDataFile(bytes: Uint8Array): string;
  dataFileBytes(): Uint8Array;
  resize(width: number, height: number): void;
  stretchUp(): void;
  stretchDown(): void;
  basicSetting(): void;
  shift(dx: number, dy: number): void;
  showEverything(): void;
  toggleAxes(): void;
  toggleGrid(): void;
  toggleTrilinear(): void;
  toggleEtcNumbers(): void;
  setAnimation(vertex: number, direction: number, speed: number): string;
  animationStep(): void;
  traceLoci(names: string[], vertex: number, path: number): string;
  tracedLoci(names: string[], vertex: number, path: number): { bytes: Uint8Array; error: string };
  addLoci(bytes: Uint8Array): string;
  captureState(): string;
  restoreState(text: string): string;
  paint(): Frame;
  marks(): MarkedPoints;
  relations(all: boolean, limit: number): TextResult;
  tikz(cmPerUnit: number): TextResult;
  svg(): TextResult;
  resultsText(): TextResult;
  resultsCsv(): TextResult;
}

interface Module {
  Session: new (width: number, height: number) => Session;
}

// Loads the module and opens a session for a drawing area of width x height CSS pixels.
export async function openSession(width: number, height: number): Promise<Session> {
  const module = (await createTrimora({
    locateFile: (path: string) => (path.endsWith(".wasm") ? wasmUrl : path),
  })) as Module;
  return new module.Session(width, height);
}
