// The page's build: the module comes from the WebAssembly build folder (TRIMORA_WEB_BUILD, by
// default build-web at the top of the repository); the page goes to build-web/page.
import { fileURLToPath } from "node:url";
import { defineConfig } from "vite";

const root = fileURLToPath(new URL("../..", import.meta.url));
const webBuild = process.env.TRIMORA_WEB_BUILD ?? `${root}build-web`;

export default defineConfig({
  base: "./",
  resolve: { alias: { "@core": `${webBuild}/web` } },
  server: { fs: { allow: [root, webBuild] } },
  build: { outDir: process.env.TRIMORA_PAGE_OUT ?? `${root}build-web/page`, emptyOutDir: true, target: "es2022" },
});
