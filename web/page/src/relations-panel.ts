// "Zusammenhänge" beside the picture: the relations of the switched elements, narrowed by a filter
// (accent-blind, like the element search) and by one place, with a count. The list is searched
// again (in the worker, relations.ts) a moment after the triangle or the selection last changed,
// and only while it is open; the found rows come back through shown().
import type { TextResult } from "./core.ts";
import { foldForSearch } from "./element-lists.ts";

export const kComputing = "wird berechnet …";

// Starts a search of the relations (what holds for this triangle only too: all; at most limit
// rows, 0: every one).
export type RelationSearch = (all: boolean, limit: number) => void;

const kDefaultRows = 100;
const kSettle = 350; // ms after the last change before the list is searched again

// The places a row names: after its tab, separated by ", " (" = " where they coincide), without
// the count of the rest; in a row of lines and circles only the meeting point after ": " and the
// points of contact after " im ".
export function placesOf(row: string): string[] {
  const tab = row.indexOf("\t");
  if (tab < 0) return [];
  const head = row.slice(0, tab);
  const body = row.slice(tab + 1).replace(/ und \d+ weitere( Orte)?$/, "");
  switch (head) {
    case "schneiden sich in einem Punkt": {
      const at = body.lastIndexOf(": ");
      return at < 0 ? [] : [body.slice(at + 2)];
    }
    case "berühren sich":
      return body.split(", ").flatMap((part) => {
        const at = part.lastIndexOf(" im ");
        return at < 0 ? [] : [part.slice(at + 4)];
      });
    case "parallel":
    case "senkrecht":
      return [];
    default:
      return body.split(head === "fallen zusammen" ? " = " : ", ");
  }
}

export class RelationsPanel {
  private rows: string[] = [];
  private rest = "";
  private timer: number | undefined;
  private showAll = false;

  constructor(
    private readonly start: RelationSearch,
    private readonly panel: HTMLDetailsElement,
    private readonly list: HTMLOListElement,
    private readonly filter: HTMLInputElement,
    private readonly place: HTMLSelectElement,
    private readonly thisTriangleToo: HTMLInputElement,
    private readonly count: HTMLElement,
    private readonly more: HTMLButtonElement,
  ) {
    filter.addEventListener("input", () => this.show());
    place.addEventListener("change", () => this.show());
    thisTriangleToo.addEventListener("change", () => this.search());
    panel.addEventListener("toggle", () => panel.open && this.search());
    more.addEventListener("click", () => {
      this.showAll = true;
      this.search();
    });
  }

  // The triangle, the view or the selection changed: search again once they rest.
  changed(): void {
    if (!this.panel.open) return;
    window.clearTimeout(this.timer);
    this.timer = window.setTimeout(() => this.search(), kSettle);
  }

  search(): void {
    window.clearTimeout(this.timer);
    if (!this.panel.open) return;
    this.count.textContent = kComputing;
    this.list.setAttribute("aria-busy", "true");
    this.start(this.thisTriangleToo.checked, this.showAll ? 0 : kDefaultRows);
  }

  shown(found: TextResult): void {
    this.list.removeAttribute("aria-busy");
    const lines = (found.error ? [found.error] : found.text.split("\n")).filter((l) => l !== "" && l !== "Zusammenhänge");
    this.rest = lines.length > 0 && lines[lines.length - 1].startsWith("… und ") ? lines.pop()! : "";
    this.rows = lines;
    this.fillPlaces();
    this.show();
  }

  private fillPlaces(): void {
    const chosen = this.place.value;
    const places = [...new Set(this.rows.flatMap(placesOf))].sort((a, b) => a.localeCompare(b, "de"));
    this.place.replaceChildren(new Option("alle Orte", ""), ...places.map((p) => new Option(p, p)));
    this.place.value = places.includes(chosen) ? chosen : "";
  }

  private show(): void {
    const words = foldForSearch(this.filter.value).split(/\s+/).filter((w) => w !== "");
    const place = this.place.value;
    const shown = this.rows.filter((row) => {
      const folded = foldForSearch(row);
      return words.every((w) => folded.includes(w)) && (place === "" || placesOf(row).includes(place));
    });
    this.list.replaceChildren(
      ...shown.map((row) => {
        const item = document.createElement("li");
        const tab = row.indexOf("\t");
        if (tab >= 0) {
          const title = document.createElement("strong");
          title.textContent = row.slice(0, tab);
          item.append(title, ": " + row.slice(tab + 1));
        } else {
          item.textContent = row;
        }
        return item;
      }),
    );
    const total = this.rows.filter((row) => row.includes("\t")).length;
    this.count.textContent =
      shown.length === this.rows.length ? `${total} Zusammenhänge` : `${shown.length} von ${total} Zusammenhängen`;
    this.more.hidden = this.rest === "";
    this.more.textContent = this.rest ? `${this.rest.replace(/^… /, "")} zeigen` : "";
  }
}
