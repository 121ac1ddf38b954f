// The page's side of the worker (core-worker.ts): tasks in the order given, each answered by a
// promise. A worker that fails answers every waiting task with a German message.
import type { WorkerReply, WorkerRequest, WorkerTask } from "./core-worker.ts";

const kWorkerFailed = "Die Berechnung im Hintergrund ist fehlgeschlagen.";

export class CoreWorker {
  private readonly worker = new Worker(new URL("./core-worker.ts", import.meta.url), { type: "module" });
  private lastId = 0;
  private readonly waiting = new Map<number, (reply: WorkerReply) => void>();

  constructor() {
    this.worker.onmessage = ({ data }: MessageEvent<WorkerReply>) => {
      this.waiting.get(data.id)?.(data);
      this.waiting.delete(data.id);
    };
    this.worker.onerror = () => {
      for (const [id, answer] of this.waiting) answer({ id, text: "", bytes: new Uint8Array(), error: kWorkerFailed });
      this.waiting.clear();
    };
  }

  // `task` on the drawing in `state` (Session.captureState) of width x height pixels.
  run(state: string, width: number, height: number, task: WorkerTask): Promise<WorkerReply> {
    const request: WorkerRequest = { id: ++this.lastId, state, width, height, task };
    return new Promise((answer) => {
      this.waiting.set(request.id, answer);
      this.worker.postMessage(request);
    });
  }
}
