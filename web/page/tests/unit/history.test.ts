// Undo and redo over a stand-in for the core's session that keeps its state as one text.
import assert from "node:assert/strict";
import { test } from "node:test";
import type { Session } from "../../src/core.ts";
import { History } from "../../src/history.ts";

function fakeSession(): Session & { state: string } {
  const s = {
    state: "a=1",
    captureState: () => s.state,
    restoreState: (text: string) => {
      s.state = text;
      return "";
    },
  };
  return s as unknown as Session & { state: string };
}

test("undo and redo walk the changes; a change without effect is no step", () => {
  const session = fakeSession();
  const history = new History(session);
  history.change(() => (session.state = "a=2"));
  history.change(() => {});
  history.change(() => (session.state = "a=3"));
  assert.equal(history.undo(), "");
  assert.equal(session.state, "a=2");
  history.undo();
  assert.equal(session.state, "a=1");
  assert.equal(history.canUndo(), false);
  history.redo();
  history.redo();
  assert.equal(session.state, "a=3");
  assert.equal(history.canRedo(), false);
});

test("a new change after undo drops what could be redone", () => {
  const session = fakeSession();
  const history = new History(session);
  history.change(() => (session.state = "a=2"));
  history.undo();
  history.change(() => (session.state = "b=5"));
  assert.equal(history.canRedo(), false);
  history.undo();
  assert.equal(session.state, "a=1");
});

test("a state the core refuses is dropped and the session stays as it was", () => {
  const session = fakeSession();
  const history = new History(session);
  history.change(() => (session.state = "a=2"));
  session.restoreState = () => "Der gespeicherte Zustand ist unvollständig oder beschädigt.";
  assert.match(history.undo(), /beschädigt/);
  assert.equal(session.state, "a=2");
  assert.equal(history.canUndo(), false);
  assert.equal(history.canRedo(), false);
});
