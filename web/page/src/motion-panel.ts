// Animation and loci: a vertex runs along a path (the core takes each step), or the path of a
// marked point is traced while a vertex runs once along its path; the curves' names come with
// the results.
import type { Session } from "./core.ts";

export interface MotionEvents {
  changed(): void;              // repaint
  report(message: string): void;
  started(): void;              // before the animation's first step
  stopped(): void;              // after its last
  // The loci of the named points traced (off the page's thread) and added: "" or a message.
  trace(names: string[], vertex: number, path: number): Promise<string>;
}

const kCircumcircle = 3; // the path "auf dem Umkreis", for loci only

export class MotionPanel {
  private running = false;

  constructor(
    private readonly session: Session,
    private readonly vertex: HTMLSelectElement,
    private readonly path: HTMLSelectElement,
    private readonly animate: HTMLButtonElement,
    private readonly point: HTMLSelectElement,
    private readonly traceButton: HTMLButtonElement,
    private readonly panel: HTMLDetailsElement,
    private readonly events: MotionEvents,
  ) {
    animate.addEventListener("click", () => (this.running ? this.stop() : this.start()));
    traceButton.addEventListener("click", () => void this.trace());
    panel.addEventListener("toggle", () => this.refreshPoints());
    point.addEventListener("focus", () => this.refreshPoints());
  }

  isRunning(): boolean {
    return this.running;
  }

  // After a change: the open panel offers the marked points of now (not during the animation).
  sync(): void {
    if (this.panel.open && !this.running) this.refreshPoints();
  }

  // The marked points of the switched entries, the chosen one kept while it is there.
  refreshPoints(): void {
    const names = this.session.marks().names;
    const chosen = this.point.value;
    if ([...this.point.options].map((o) => o.value).join("\n") === names.join("\n")) return;
    this.point.replaceChildren(...names.map((name) => new Option(name, name)));
    if (names.includes(chosen)) this.point.value = chosen;
  }

  private start(): void {
    const path = Number(this.path.value);
    if (path === kCircumcircle) {
      this.events.report("Die Animation läuft waagerecht, senkrecht oder um den Ursprung.");
      return;
    }
    const error = this.session.setAnimation(Number(this.vertex.value), path, 70);
    if (error) {
      this.events.report(error);
      return;
    }
    this.events.started();
    this.running = true;
    this.show();
    const step = (): void => {
      if (!this.running) return;
      this.session.animationStep();
      this.events.changed();
      requestAnimationFrame(step);
    };
    requestAnimationFrame(step);
  }

  stop(): void {
    if (!this.running) return;
    this.running = false;
    this.show();
    this.events.stopped();
  }

  private show(): void {
    this.animate.setAttribute("aria-pressed", String(this.running));
    this.animate.textContent = this.running ? "Animation anhalten" : "Animation starten";
  }

  private async trace(): Promise<void> {
    this.stop();
    this.refreshPoints();
    if (this.point.value === "") {
      this.events.report("Kein markierter Punkt: Schalten Sie zuerst ein Element mit Punkten ein.");
      return;
    }
    this.events.report("Die Ortslinie wird berechnet …");
    this.traceButton.disabled = true;
    try {
      const error = await this.events.trace([this.point.value], Number(this.vertex.value), Number(this.path.value));
      this.events.report(error);
      this.events.changed();
    } finally {
      this.traceButton.disabled = false;
    }
  }
}
