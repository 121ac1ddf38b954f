// The page's build: the module comes from the WebAssembly build folder (TRIMORA_WEB_BUILD, by
// default build-web at the top of the repository); the page goes to build-web/page, with the service
// worker (offline/service-worker.js) as sw.js, told the build's files.
import { createHash } from "node:crypto";
import { readFileSync } from "node:fs";
import { fileURLToPath } from "node:url";
import { defineConfig, type Plugin } from "vite";

const root = fileURLToPath(new URL("../..", import.meta.url));
const webBuild = process.env.TRIMORA_WEB_BUILD ?? `${root}build-web`;

function serviceWorker(): Plugin {
  return {
    name: "trimora-service-worker",
    apply: "build",
    enforce: "post",
    generateBundle(_options, bundle) {
      const files = ["./", ...Object.keys(bundle).filter((name) => name !== "index.html")].sort();
      const build = createHash("sha256").update(files.join("\n")).digest("hex").slice(0, 12);
      const template = readFileSync(new URL("offline/service-worker.js", import.meta.url), "utf8");
      const source = template.replace("__BUILD__", build).replace("__FILES__", JSON.stringify(files));
      this.emitFile({ type: "asset", fileName: "sw.js", source });
    },
  };
}

export default defineConfig({
  base: "./",
  resolve: { alias: { "@core": `${webBuild}/web` } },
  server: { fs: { allow: [root, webBuild] } },
  plugins: [serviceWorker()],
  // The relations' worker loads the module as the page does: an ES module, too.
  worker: { format: "es" },
  build: { outDir: process.env.TRIMORA_PAGE_OUT ?? `${root}build-web/page`, emptyOutDir: true, target: "es2022" },
});
