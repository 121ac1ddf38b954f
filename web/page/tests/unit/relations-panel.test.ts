// The point choice of the relations: which places each kind of row names.
import assert from "node:assert/strict";
import { test } from "node:test";
import { placesOf } from "../../src/relations-panel.ts";

test("the places of each kind of row", () => {
  const cases: [string, string[]][] = [
    ["Euler-Gerade\tSchwerpunkt S [X(2)], Umkreismittelpunkt [X(3)] und 7 weitere Orte",
      ["Schwerpunkt S [X(2)]", "Umkreismittelpunkt [X(3)]"]],
    ["konzyklisch\tPunkt A, Seitenquadrat-Schwerpunkt ( -0,2 | -2,6 )", ["Punkt A", "Seitenquadrat-Schwerpunkt ( -0,2 | -2,6 )"]],
    ["fallen zusammen\tSchwerpunkt S = Steiner-Mittelpunkt", ["Schwerpunkt S", "Steiner-Mittelpunkt"]],
    ["schneiden sich in einem Punkt\tSeitenhalbierende a, Seitenhalbierende b, Seitenhalbierende c: Schwerpunkt S [X(2)]",
      ["Schwerpunkt S [X(2)]"]],
    ["schneiden sich in einem Punkt\tGerade AU, Senkrechte in B zur Seite c, Senkrechte in C zur Seite b", []],
    ["berühren sich\tFeuerbach-Kreis: Inkreis im Feuerbach-Inkreis-Punkt [X(11)], Ankreise (1), Senkrechte in B zur Seite c",
      ["Feuerbach-Inkreis-Punkt [X(11)]"]],
    ["senkrecht\tBrocard-Achse ⊥ Lémoine-Gerade", []],
    ["… und 12 weitere", []],
  ];
  for (const [row, places] of cases) assert.deepEqual(placesOf(row), places, row);
});
