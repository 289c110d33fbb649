// Texts the page hands the game: copied into the module's memory, where the
// game takes them over and frees them.
mergeInto(LibraryManager.library, {
    // A text the game takes over and frees; 0 for none.
    $quorbalsNewText: function(text) {
        if (text === null || text === undefined) {
            return 0;
        }
        var size = lengthBytesUTF8(text) + 1;
        var out = _malloc(size);
        stringToUTF8(text, out, size);
        return out;
    },
});
