"""tools/check_rooms.py on small made-up source trees: the includes and the
page's imports it must refuse, and those it must let pass."""

import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "check_rooms.py")


def check(files):
    """The checker's exit code and the lines it printed, on a tree of `files`
    (path: text)."""
    with tempfile.TemporaryDirectory(prefix="quorbals-rooms-") as top:
        for path, text in files.items():
            os.makedirs(os.path.join(top, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(top, path), "w", encoding="utf-8") as f:
                f.write(text)
        run = subprocess.run([sys.executable, CHECK, top], capture_output=True, text=True)
        return run.returncode, run.stdout.splitlines()[:-1]


class CheckRoomsTest(unittest.TestCase):
    def test_imports_that_name_real_files_below_pass(self):
        code, lines = check({
            "view/web/windows.js": "export class DesktopWindow {\n    x = 'a';\n}\n",
            "storage/web/dialog.js": 'import {\n    DesktopWindow,\n} from "../../view/web/windows.js";\n',
            "app/web/page/page.js": 'import createQuorbals from "../quorbals.js";\n'
                                    'import "../../../storage/web/dialog.js";\n'
                                    '// import { x } from "./gone.js";\n',
            "app/app.cpp": '#include "view/desk.h"\n#include <vector>\n',
        })
        self.assertEqual((code, lines), (0, []))

    def test_a_climbing_missing_or_bare_import_fails(self):
        code, lines = check({
            "storage/web/dialog.js": "",
            "view/web/windows.js": 'import { a } from "../../storage/web/dialog.js";\n'
                                   'import { b } from "./dialogs.js";\n'
                                   'export { c } from "somewhere";\n',
            "game/rules.h": '#include "view/desk.h"\n',
            "view/qt/desk.cpp": '#include "view/win32/desk.h"\n',
        })
        self.assertEqual(code, 1)
        self.assertEqual(sorted(lines), sorted([
            "game/rules.h: view/desk.h: game/ may not include the higher room view/",
            "view/qt/desk.cpp: view/win32/desk.h: qt/ may not include win32/",
            "view/web/windows.js: storage/web/dialog.js: "
            "view/ may not include the higher room storage/",
            "view/web/windows.js: view/web/dialogs.js: no such file in the source tree",
            "view/web/windows.js: somewhere: not a relative path to a file of the source tree",
        ]))


if __name__ == "__main__":
    unittest.main()
