// The worker that searches the relations (relations.ts starts it): an instance of the module of its
// own, given the page's state and size before each search, so that the page answers meanwhile.
import { openSession, type Session, type TextResult } from "./core.ts";

export interface RelationsRequest {
  id: number;
  state: string;
  width: number;
  height: number;
  all: boolean;
  limit: number;
}

export interface RelationsReply {
  id: number;
  result: TextResult;
}

const kNoCore = "Das Rechenmodul ließ sich nicht laden.";

// The worker's side of the messages; the page's DOM types name the window's.
const scope = self as unknown as {
  onmessage: (event: MessageEvent<RelationsRequest>) => void;
  postMessage: (reply: RelationsReply) => void;
};

let session: Promise<Session> | undefined;

scope.onmessage = async ({ data }) => {
  let result: TextResult;
  try {
    session ??= openSession(data.width, data.height);
    const s = await session;
    s.resize(data.width, data.height);
    const error = s.restoreState(data.state);
    const found = error ? { text: "", error } : s.relations(data.all, data.limit);
    result = { text: found.text, error: found.error };
  } catch {
    session = undefined;
    result = { text: "", error: kNoCore };
  }
  scope.postMessage({ id: data.id, result });
};
