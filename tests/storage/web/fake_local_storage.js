// The page's side of its file layer, for tests under node: a local storage
// that can refuse writes as a full or forbidden one does, the picked files
// and the downloads.
globalThis.localStorage = {
    items: new Map(),
    refuse: "",  // "", "full" or "denied"
    check(writing) {
        if (this.refuse === "denied") {
            const e = new Error("The operation is insecure.");
            e.name = "SecurityError";
            throw e;
        }
        if (writing && this.refuse === "full") {
            const e = new Error("The quota has been exceeded.");
            e.name = "QuotaExceededError";
            throw e;
        }
    },
    getItem(key) {
        this.check(false);
        return this.items.has(key) ? this.items.get(key) : null;
    },
    setItem(key, value) {
        this.check(true);
        this.items.set(key, String(value));
    },
    removeItem(key) {
        this.check(true);
        this.items.delete(key);
    },
};
Module["quorbalsFiles"] = new Map();
Module["downloads"] = [];
Module["quorbalsDownload"] = (name, data) => Module["downloads"].push({name, data});
