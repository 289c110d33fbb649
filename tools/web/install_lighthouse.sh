#!/bin/sh
# Installs Lighthouse, at the version tools/web/lighthouse/package-lock.json
# pins, into a folder of a build (never into the site: the page itself has no
# npm dependency), for the browser game's audit test and benchmark:
#
#   tools/web/install_lighthouse.sh FOLDER
#
# FOLDER/node_modules/lighthouse/cli/index.js is then Lighthouse's command.
# npm's cache and logs stay in FOLDER too. A folder that already holds the
# pinned install is left as it is.
set -eu
here=$(cd "$(dirname "$0")/lighthouse" && pwd)
folder=${1:?usage: install_lighthouse.sh FOLDER}

command -v npm >/dev/null ||
    { echo "install_lighthouse.sh: npm is missing (tools/setup-debian.sh test installs it)" >&2; exit 1; }

mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
stamp=$folder/installed-lock.json
if [ -f "$folder/node_modules/lighthouse/cli/index.js" ] && [ -f "$stamp" ] &&
    cmp -s "$stamp" "$here/package-lock.json"; then
    exit 0
fi

rm -f "$stamp"
cp "$here/package.json" "$here/package-lock.json" "$folder/"
cd "$folder"
export npm_config_cache="$folder/npm-cache"
export npm_config_update_notifier=false
npm ci --no-audit --no-fund --ignore-scripts --loglevel=error
cp package-lock.json "$stamp"
echo "installed Lighthouse $(node node_modules/lighthouse/cli/index.js --version) in $folder"
