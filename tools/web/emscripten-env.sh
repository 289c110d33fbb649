# Sourced by the compiler wrappers beside it: what Debian's emscripten needs
# from its environment, whichever shell or build tool starts it.
#
# emcc runs its JavaScript passes (acorn) under the machine's node. Debian's
# own node finds the packaged modules in /usr/share/nodejs; any other node
# (a newer one from elsewhere) needs to be told where they are.
NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export NODE_PATH
