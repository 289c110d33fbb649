#!/bin/sh
# Runs a program built with emscripten under node: node-run.sh PROGRAM.js [ARGUMENTS...]
# The generated loader of emscripten 3.1.6 fetches its .wasm with fetch()
# whenever node has one (node 18 and later), and node's fetch cannot read a
# file path; without it the loader reads the file from disk.
NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export NODE_PATH
exec "${QUORBALS_NODE:-node}" --no-experimental-fetch "$@"
