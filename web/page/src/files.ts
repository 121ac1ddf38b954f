// Files in and out: a triangle data file (.tmo) from the file picker, downloads of the data file,
// the picture and the results.
import type { Session } from "./core.ts";

const kLargestFile = 16 << 20; // as the core's limit for a data file

export function download(name: string, bytes: Uint8Array | string | Blob, type: string): void {
  const blob = bytes instanceof Blob ? bytes : new Blob([typeof bytes === "string" ? bytes : new Uint8Array(bytes)], { type });
  const link = document.createElement("a");
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

// Reads the chosen file into the session; the German message, "" when it was loaded.
export async function loadFile(session: Session, file: File): Promise<string> {
  if (file.size > kLargestFile) return `„${file.name}“ ist zu groß für eine Trimora-Dreiecksdatei.`;
  let bytes: Uint8Array;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
  } catch {
    return `„${file.name}“ lässt sich nicht lesen.`;
  }
  const error = session.loadDataFile(bytes);
  return error === "" ? "" : `„${file.name}“: ${error}`;
}
