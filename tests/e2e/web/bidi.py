"""A small WebDriver BiDi client: Firefox serves the protocol itself on a
WebSocket, so the tests need no geckodriver.

Commands are JSON messages with an id; the answer carrying the same id is
the command's result or error. Everything else that arrives meanwhile is
an event, kept for whoever asks (the page's console, downloads).
"""

import json
import time


class BiDiError(RuntimeError):
    def __init__(self, method, answer):
        self.error = answer.get("error")
        super().__init__(f"{method}: {answer.get('error')}: {answer.get('message')}")


class BiDiSession:
    """A WebSocket to a BiDi server and one session on it."""

    def __init__(self, url, timeout=30.0):
        import websocket  # python3-websocket

        # Firefox refuses a connection that names a page's origin.
        self.socket = websocket.create_connection(url, suppress_origin=True, timeout=timeout)
        self.timeout = timeout
        self.next_id = 0
        self.events = []
        self.capabilities = self.command("session.new", {"capabilities": {}})["capabilities"]

    def command(self, method, params=None, timeout=None):
        self.next_id += 1
        number = self.next_id
        self.socket.send(json.dumps({"id": number, "method": method, "params": params or {}}))
        deadline = time.monotonic() + (timeout or self.timeout)
        while True:
            self.socket.settimeout(max(0.1, deadline - time.monotonic()))
            message = json.loads(self.socket.recv())
            if message.get("id") == number:
                if message.get("type") == "error":
                    raise BiDiError(method, message)
                return message.get("result", {})
            if message.get("type") == "event":
                self.events.append(message)
            if time.monotonic() > deadline:
                raise TimeoutError(f"{method}: no answer")

    def poll_events(self):
        """Takes in the events that arrived since the last command, without
        waiting for more."""
        self.socket.settimeout(0)
        try:
            while True:
                message = json.loads(self.socket.recv())
                if message.get("type") == "event":
                    self.events.append(message)
        except Exception:  # nothing more to read now
            pass
        finally:
            self.socket.settimeout(self.timeout)

    def close(self):
        try:
            self.command("session.end", timeout=5)
        except Exception:
            pass
        try:
            self.socket.close(timeout=1)
        except Exception:
            pass
        # close() leaves the socket open once the browser has closed the
        # connection itself.
        self.socket.shutdown()


# A script body as Selenium's execute_script takes it (arguments, `return`),
# run as a function whose result crosses as JSON text: the tests exchange
# plain data only, so no remote object needs to be described.
FUNCTION = """async function (argumentsJson) {
    const result = await (async function () { %s }).apply(null, JSON.parse(argumentsJson));
    return JSON.stringify(result === undefined ? null : result);
}"""


class Context:
    """One top-level browsing context (a tab) of a session."""

    def __init__(self, session, context):
        self.session = session
        self.context = context

    def command(self, method, params=None, timeout=None):
        return self.session.command(method, dict(params or {}, context=self.context), timeout)

    def navigate(self, url):
        self.command("browsingContext.navigate", {"url": url, "wait": "complete"})

    def reload(self):
        self.command("browsingContext.reload", {"wait": "complete"})

    def js(self, script, *args):
        answer = self.session.command("script.callFunction", {
            "functionDeclaration": FUNCTION % script,
            "arguments": [{"type": "string", "value": json.dumps(list(args))}],
            "target": {"context": self.context},
            "awaitPromise": True,
            "resultOwnership": "none",
        })
        if answer.get("type") == "exception":
            details = answer.get("exceptionDetails", {})
            raise RuntimeError(f"script: {details.get('text')}")
        return json.loads(answer["result"]["value"])

    def perform(self, sources):
        self.command("input.performActions", {"actions": sources})

    def release_actions(self):
        self.command("input.releaseActions")

    def set_viewport(self, width, height, device_pixel_ratio=None):
        params = {"viewport": {"width": width, "height": height}}
        if device_pixel_ratio:
            params["devicePixelRatio"] = device_pixel_ratio
        self.command("browsingContext.setViewport", params)

    def screenshot(self):
        import base64
        return base64.b64decode(self.command("browsingContext.captureScreenshot")["data"])


def first_context(session):
    """The session's first tab, or a new one."""
    tree = session.command("browsingContext.getTree", {"maxDepth": 0})["contexts"]
    if tree:
        return Context(session, tree[0]["context"])
    made = session.command("browsingContext.create", {"type": "tab"})
    return Context(session, made["context"])
