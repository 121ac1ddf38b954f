// The emscripten glue of the module has no types of its own; src/core.ts gives them.
declare module "@core/trimora-core.mjs" {
  const createTrimora: (options: object) => Promise<unknown>;
  export default createTrimora;
}
declare module "*?url" {
  const url: string;
  export default url;
}
// What Vite tells the page about its build.
interface ImportMeta {
  readonly env: { readonly PROD: boolean };
}
