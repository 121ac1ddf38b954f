// The relations of the drawing, searched in a worker (relations-worker.ts) so that the page answers
// while it runs. One search at a time: a search asked for meanwhile waits, and only the newest one
// asked for is shown; those in between are dropped.
import type { RelationsReply, RelationsRequest } from "./relations-worker.ts";
import type { TextResult } from "./core.ts";

export const kComputing = "wird berechnet …";
const kWorkerFailed = "Die Zusammenhänge ließen sich nicht berechnen.";

export class RelationsSearch {
  private readonly worker = new Worker(new URL("./relations-worker.ts", import.meta.url), { type: "module" });
  private newest = 0;
  private running = false;
  private waiting: RelationsRequest | undefined;

  constructor(private readonly shown: (result: TextResult) => void) {
    this.worker.onmessage = ({ data }: MessageEvent<RelationsReply>) => {
      this.running = false;
      if (data.id === this.newest) this.shown(data.result);
      this.next();
    };
    this.worker.onerror = () => {
      this.running = false;
      this.waiting = undefined;
      this.shown({ text: "", error: kWorkerFailed });
    };
  }

  // Searches the relations of the drawing in `state` (Session.captureState) of width x height pixels.
  start(state: string, width: number, height: number, all: boolean, limit: number): void {
    this.waiting = { id: ++this.newest, state, width, height, all, limit };
    if (!this.running) this.next();
  }

  private next(): void {
    if (!this.waiting) return;
    this.worker.postMessage(this.waiting);
    this.waiting = undefined;
    this.running = true;
  }
}
