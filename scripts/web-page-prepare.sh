# Sourced by the page's scripts: builds the module when it is missing or older than the page's
# bindings (a page of today needs their functions), installs the Node packages when they are
# missing, and exports where the module and the built page lie. Sets root, build and page.
build="${TRIMORA_WEB_BUILD:-$root/build-web}"
page="$root/web/page"
if [ ! -f "$build/web/trimora-core.mjs" ] ||
  [ -n "$(find "$root/web" -maxdepth 1 \( -name '*.cpp' -o -name '*.h' \) -newer "$build/web/trimora-core.mjs")" ]; then
  bash "$root/scripts/web-build.sh" "$build"
fi
if [ ! -d "$page/node_modules" ]; then
  (cd "$page" && npm ci --no-audit --no-fund)
fi
export TRIMORA_WEB_BUILD="$build" TRIMORA_PAGE_OUT="$build/page"
