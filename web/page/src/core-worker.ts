// The worker for the page's long computations (core-worker-client.ts starts it): an instance of the
// module of its own, given the page's state and size before each task, so that the page answers
// meanwhile. Tasks: the relations, and loci traced (handed back as bytes for Session.addLoci).
import { openSession, type Session } from "./core.ts";

export type WorkerTask =
  | { kind: "relations"; all: boolean; limit: number }
  | { kind: "loci"; names: string[]; vertex: number; path: number };

export interface WorkerRequest {
  id: number;
  state: string; // Session.captureState
  width: number;
  height: number;
  task: WorkerTask;
}

export interface WorkerReply {
  id: number;
  text: string;
  bytes: Uint8Array;
  error: string;
}

const kNoCore = "Das Rechenmodul ließ sich nicht laden.";

// The worker's side of the messages; the page's DOM types name the window's.
const scope = self as unknown as {
  onmessage: (event: MessageEvent<WorkerRequest>) => void;
  postMessage: (reply: WorkerReply) => void;
};

let session: Promise<Session> | undefined;

function run(s: Session, task: WorkerTask): Omit<WorkerReply, "id"> {
  if (task.kind === "relations") {
    const found = s.relations(task.all, task.limit);
    return { text: found.text, bytes: new Uint8Array(), error: found.error };
  }
  const traced = s.tracedLoci(task.names, task.vertex, task.path);
  return { text: "", bytes: traced.bytes.slice(), error: traced.error };
}

scope.onmessage = async ({ data }) => {
  let reply: Omit<WorkerReply, "id">;
  try {
    session ??= openSession(data.width, data.height);
    const s = await session;
    s.resize(data.width, data.height); // a new size resets the view: the state comes after it
    const error = s.restoreState(data.state);
    reply = error ? { text: "", bytes: new Uint8Array(), error } : run(s, data.task);
  } catch {
    session = undefined;
    reply = { text: "", bytes: new Uint8Array(), error: kNoCore };
  }
  scope.postMessage({ id: data.id, ...reply });
};
