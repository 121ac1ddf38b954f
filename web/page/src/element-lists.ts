// The four element lists as tabs of check boxes, with a search that ignores case and accents;
// during a search each tab names its number of hits.
import type { Session } from "./core.ts";

export type ToggleHandler = (tab: number, item: number, on: boolean) => void;

// "Höhe", "hohe" and "HÖHE" meet; so do "é" and "e".
export function foldForSearch(text: string): string {
  return text.normalize("NFD").replace(/\p{M}/gu, "").replace(/ß/g, "ss").toLowerCase();
}

export class ElementLists {
  private readonly tabs: HTMLButtonElement[] = [];
  private readonly panels: HTMLDivElement[] = [];
  private readonly boxes: HTMLInputElement[][] = [];
  private readonly folded: string[][] = [];
  private readonly pages: string[];
  private current = 0;

  constructor(
    private readonly session: Session,
    tabBar: HTMLElement,
    panelHost: HTMLElement,
    search: HTMLInputElement,
    onToggle: ToggleHandler,
  ) {
    this.pages = session.tabPages();
    this.pages.forEach((page, t) => {
      const tab = document.createElement("button");
      tab.type = "button";
      tab.role = "tab";
      tab.id = `tab-${t}`;
      tab.textContent = page;
      tab.setAttribute("aria-controls", `list-${t}`);
      tab.addEventListener("click", () => this.select(t));
      tab.addEventListener("keydown", (e) => this.arrowKeys(e, t));
      tabBar.append(tab);
      this.tabs.push(tab);

      const panel = document.createElement("div");
      panel.id = `list-${t}`;
      panel.role = "tabpanel";
      panel.setAttribute("aria-labelledby", tab.id);
      const list = document.createElement("ul");
      list.className = "items";
      panel.append(list);
      const names = session.tabItemNames(t);
      this.folded.push(names.map(foldForSearch));
      this.boxes.push(
        names.map((name, i) => {
          const row = document.createElement("li");
          const label = document.createElement("label");
          const box = document.createElement("input");
          box.type = "checkbox";
          box.addEventListener("change", () => onToggle(t, i, box.checked));
          label.append(box, document.createTextNode(name));
          label.title = name;
          row.append(label);
          list.append(row);
          return box;
        }),
      );
      panelHost.append(panel);
      this.panels.push(panel);
    });
    search.addEventListener("input", () => this.filter(search.value));
    search.addEventListener("keydown", (e) => {
      if (e.key === "Escape") {
        search.value = "";
        this.filter("");
      }
    });
    this.select(0);
    this.sync();
  }

  // The check marks from the session (after a topic, a file, undo).
  sync(): void {
    this.boxes.forEach((boxes, t) => {
      const checks = this.session.tabChecks(t);
      boxes.forEach((box, i) => (box.checked = checks[i] === 1));
    });
  }

  private select(t: number): void {
    this.current = t;
    this.tabs.forEach((tab, i) => {
      tab.setAttribute("aria-selected", String(i === t));
      tab.tabIndex = i === t ? 0 : -1;
    });
    this.panels.forEach((panel, i) => (panel.hidden = i !== t));
  }

  private arrowKeys(e: KeyboardEvent, t: number): void {
    const step = e.key === "ArrowRight" || e.key === "ArrowDown" ? 1 : e.key === "ArrowLeft" || e.key === "ArrowUp" ? -1 : 0;
    if (step === 0) return;
    e.preventDefault();
    const next = (t + step + this.tabs.length) % this.tabs.length;
    this.select(next);
    this.tabs[next].focus();
  }

  private filter(text: string): void {
    const needle = foldForSearch(text.trim());
    const hits = this.folded.map((names, t) => {
      let count = 0;
      names.forEach((name, i) => {
        const hit = needle === "" || name.includes(needle);
        (this.boxes[t][i].closest("li") as HTMLElement).hidden = !hit;
        count += hit ? 1 : 0;
      });
      this.tabs[t].textContent = needle === "" ? this.pages[t] : `${this.pages[t]} (${count})`;
      return count;
    });
    // A search without hits on this tab goes to the first tab that has some.
    if (needle !== "" && hits[this.current] === 0) {
      const first = hits.findIndex((h) => h > 0);
      if (first >= 0) this.select(first);
    }
  }
}
