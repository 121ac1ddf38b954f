// Undo and redo as lists of the session's captured states (captureState/restoreState), as the
// desktop keeps them.
import type { Session } from "./core.ts";

const kLimit = 200; // states kept for undo

export class History {
  private readonly undoStates: string[] = [];
  private readonly redoStates: string[] = [];

  constructor(private readonly session: Session) {}

  // Runs a change; it becomes one undo step if it changed anything.
  change(work: () => void): void {
    const before = this.session.captureState();
    work();
    this.record(before);
  }

  // The state before a change that is already done (a drag from its start).
  record(before: string): void {
    if (this.session.captureState() === before) return;
    this.undoStates.push(before);
    if (this.undoStates.length > kLimit) this.undoStates.shift();
    this.redoStates.length = 0;
  }

  canUndo(): boolean {
    return this.undoStates.length > 0;
  }
  canRedo(): boolean {
    return this.redoStates.length > 0;
  }

  // Each returns the core's German message ("" on success).
  undo(): string {
    return this.move(this.undoStates, this.redoStates);
  }
  redo(): string {
    return this.move(this.redoStates, this.undoStates);
  }

  private move(from: string[], to: string[]): string {
    const state = from.pop();
    if (state === undefined) return "";
    const now = this.session.captureState();
    const error = this.session.restoreState(state);
    if (error === "") to.push(now);
    return error;
  }
}
