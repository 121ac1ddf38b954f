// The relations of the drawing, searched in the worker (core-worker.ts) so that the page answers
// while it runs. One search at a time: a search asked for meanwhile waits, and only the newest one
// asked for is shown; those in between are dropped.
import type { CoreWorker } from "./core-worker-client.ts";
import type { TextResult } from "./core.ts";

interface Search {
  state: string;
  width: number;
  height: number;
  all: boolean;
  limit: number;
}

export class RelationsSearch {
  private running = false;
  private waiting: Search | undefined;

  constructor(
    private readonly worker: CoreWorker,
    private readonly shown: (result: TextResult) => void,
  ) {}

  // Searches the relations of the drawing in `state` (Session.captureState) of width x height pixels.
  start(state: string, width: number, height: number, all: boolean, limit: number): void {
    this.waiting = { state, width, height, all, limit };
    if (!this.running) void this.next();
  }

  private async next(): Promise<void> {
    while (this.waiting) {
      const { state, width, height, all, limit } = this.waiting;
      this.waiting = undefined;
      this.running = true;
      const reply = await this.worker.run(state, width, height, { kind: "relations", all, limit });
      this.running = false;
      if (!this.waiting) this.shown({ text: reply.text, error: reply.error });
    }
  }
}
