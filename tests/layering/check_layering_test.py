#!/usr/bin/env python3
"""The layering check finds each kind of breach planted in a small clean tree,
and nothing in the clean tree itself."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_layering  # noqa: E402

# A tree that keeps every rule, with the includes and links each folder may use.
CLEAN = {
    "ta/calc.h": "#pragma once\n#include <vector>\n#include <cmath>\n#include <queue>\n",
    "ta/calc.cpp": '#include "calc.h"\n#include "ta/calc.h"\n#include <cstdio>\n',
    "ta/CMakeLists.txt": "add_library(brevant_ta STATIC calc.cpp)\n",
    # Standard headers whose names begin with a q are no widget headers.
    "quotes/line.h": '#pragma once\n#include "ta/calc.h"\n#include <queue>\n',
    "quotes/line.cpp": '#include "line.h"\n#include <ta/calc.h>\n#include <cstdio>\n',
    "quotes/CMakeLists.txt": "add_library(brevant_quotes line.cpp)\n"
                             "target_link_libraries(brevant_quotes PUBLIC brevant_ta)\n",
    "fbl/fbl.h": '#pragma once\n#include "ta/calc.h"\n#include <ibase.h>\n',
    "fbl/fbl.cpp": '#include "fbl/fbl.h"\n#include <dlfcn.h>\n#include <firebird/Interface.h>\n',
    "fbl/CMakeLists.txt": "add_library(brevant_fbl fbl.cpp)\n"
                          "target_link_libraries(brevant_fbl PUBLIC brevant_ta\n"
                          "  PRIVATE ${CMAKE_DL_LIBS})\n",
    "store/db.h": '#pragma once\n#include "ta/calc.h"\n#include "fbl/fbl.h"\n#include <queue>\n',
    "store/db.cpp": '#include "store/db.h"\n#include <quotes/line.h>\n',
    "store/CMakeLists.txt": "add_library(brevant_store db.cpp)\n"
                            "target_link_libraries(brevant_store PUBLIC brevant_ta brevant_quotes\n"
                            "  brevant_fbl)\n",
    "screen/scan.cpp": '#include "store/db.h"\n#include "ta/calc.h"\n',
    "screen/CMakeLists.txt": "add_library(brevant_screen scan.cpp)\n"
                             "target_link_libraries(brevant_screen PUBLIC brevant_ta brevant_store)\n",
    "chart/model.h": '#pragma once\n#include "ta/calc.h"\n',
    "chart/CMakeLists.txt": "add_library(brevant_chart model.cpp)\n"
                            "# links nothing else: not brevant_store\n"
                            "target_link_libraries(brevant_chart PUBLIC brevant_ta)\n",
    "chart/render/draw.cpp": '#include "chart/model.h"\n#include <QPainter>\n#include <qcustomplot.h>\n',
    "chart/render/CMakeLists.txt": "add_library(brevant_chart_render draw.cpp)\n"
                                   "target_link_libraries(brevant_chart_render PUBLIC brevant_chart\n"
                                   "  Qt6::Widgets QCustomPlotQt6::QCustomPlotQt6)\n",
    "ui/box.h": "#pragma once\n#include <QMessageBox>\n",
    "ui/CMakeLists.txt": "add_library(brevant_ui box.cpp)\n"
                         "target_link_libraries(brevant_ui PUBLIC Qt6::Widgets)\n",
    "store/ui/update.cpp": '#include "ui/box.h"\n#include "store/db.h"\n',
    "store/ui/CMakeLists.txt": "add_library(brevant_store_ui update.cpp)\n"
                               "target_link_libraries(brevant_store_ui PUBLIC brevant_store brevant_ui)\n",
    "app/main.h": "#pragma once\n",
    "app/main.cpp": '#include "app/main.h"\n#include "store/ui/update.cpp"\n',
    "cli/main.cpp": '#include "screen/scan.cpp"\n#include "chart/render/draw.cpp"\n',
    "tests/app/test.cpp": '#include "app/main.h"\n#include "test.moc"\n',
    "tests/fbl/test.cpp": '#include "fbl/fbl.h"\n#include <ibase.h>\n',
    "bench/app/bench.cpp": '#include "app/main.h"\n',
}

# Each breach: the file planted (added to, or replacing, the clean one) and a
# word the report must name.
BREACHES = [
    ("store/db.cpp", "#include <QString>\n", "widget"),
    ("screen/scan.cpp", "#include <QtCore/QObject>\n", "widget"),
    ("chart/model.cpp", "#include <qcustomplot.h>\n", "widget"),
    ("ta/calc.cpp", '#include "store/db.h"\n', "store/"),
    ("ta/calc.cpp", '#include "../store/db.h"\n', "store/"),
    ("ta/calc.cpp", "#include <unistd.h>\n", "unistd.h"),
    ("chart/model.cpp", '#include "store/db.h"\n', "store/"),
    ("chart/model.cpp", '#include "screen/scan.cpp"\n', "screen/"),
    ("chart/model.cpp", '#include "chart/render/draw.cpp"\n', "chart/render/"),
    ("store/db.cpp", '#include "screen/scan.cpp"\n', "screen/"),
    ("store/db.cpp", '#include "ui/box.h"\n', "ui/"),
    ("ui/box.cpp", '#include "store/ui/update.cpp"\n', "store/ui/"),
    ("store/ui/update.cpp", '#include "app/main.h"\n', "app/"),
    ("cli/main.cpp", '#include "app/main.h"\n', "app/"),
    ("docs/tool.cpp", '#include "app/main.h"\n', "app/"),
    ("chart/CMakeLists.txt",
     "add_library(brevant_chart model.cpp)\n"
     "target_link_libraries(brevant_chart PUBLIC brevant_ta brevant_store)\n", "brevant_store"),
    ("chart/CMakeLists.txt",
     "add_library(brevant_chart model.cpp)\n"
     "target_link_libraries(brevant_chart PUBLIC brevant_ta PRIVATE ${CMAKE_DL_LIBS})\n",
     "database"),
    ("screen/CMakeLists.txt",
     "add_library(brevant_screen scan.cpp)\n"
     "target_link_libraries(brevant_screen PUBLIC brevant_store Qt6::Core)\n", "widget"),
    ("ui/CMakeLists.txt",
     "add_library(brevant_ui box.cpp)\n"
     "target_link_libraries(brevant_ui PUBLIC brevant_store_ui Qt6::Widgets)\n", "brevant_store_ui"),
    # A widget header is still one beside the standard headers that begin with q.
    ("store/db.cpp", "#include <QQueue>\n", "widget"),
    ("quotes/line.cpp", "#include <qcustomplot.h>\n", "widget"),
    # Project headers in angle brackets are checked as quoted ones are.
    ("ta/calc.cpp", "#include <store/db.h>\n", "store/"),
    ("chart/model.cpp", "#include <screen/scan.cpp>\n", "screen/"),
    ("cli/main.cpp", "#include <app/main.h>\n", "app/"),
    ("store/db.cpp", "#include <app/missing.h>\n", "app/"),
    # The quote-file readers never touch the database: no header of the
    # database layer or of the store, no client header, no loader.
    ("quotes/line.cpp", '#include "fbl/fbl.h"\n', "fbl/"),
    ("quotes/line.cpp", "#include <fbl/fbl.h>\n", "fbl/"),
    ("quotes/line.cpp", '#include "store/db.h"\n', "store/"),
    ("quotes/line.cpp", "#include <ibase.h>\n", "database header"),
    ("quotes/line.cpp", "#include <dlfcn.h>\n", "database header"),
    ("quotes/CMakeLists.txt",
     "add_library(brevant_quotes line.cpp)\n"
     "target_link_libraries(brevant_quotes PUBLIC brevant_ta brevant_fbl)\n", "brevant_fbl"),
    ("quotes/CMakeLists.txt",
     "add_library(brevant_quotes line.cpp)\n"
     "target_link_libraries(brevant_quotes PUBLIC brevant_ta PRIVATE ${CMAKE_DL_LIBS})\n",
     "database"),
    # Only the database layer includes the client's headers and loads it.
    ("store/db.cpp", "#include <ibase.h>\n", "database header"),
    ("store/db.cpp", "#include <firebird/Interface.h>\n", "database header"),
    ("store/CMakeLists.txt",
     "add_library(brevant_store db.cpp)\n"
     "target_link_libraries(brevant_store PUBLIC brevant_fbl PRIVATE dl)\n", "database"),
    ("fbl/fbl.cpp", '#include "store/db.h"\n', "store/"),
    ("fbl/fbl.cpp", '#include "quotes/line.h"\n', "quotes/"),
    # Only the store (and the tests and benchmarks) use the database layer.
    ("screen/scan.cpp", '#include "fbl/fbl.h"\n', "fbl/"),
    ("app/main.cpp", '#include "fbl/fbl.h"\n', "fbl/"),
    ("cli/main.cpp", "#include <fbl/fbl.h>\n", "fbl/"),
    ("screen/CMakeLists.txt",
     "add_library(brevant_screen scan.cpp)\n"
     "target_link_libraries(brevant_screen PUBLIC brevant_store brevant_fbl)\n", "brevant_fbl"),
]


def write_tree(root, files):
    for path, text in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as f:
            f.write(text)


class CheckLayering(unittest.TestCase):
    def check(self, files):
        with tempfile.TemporaryDirectory() as root:
            write_tree(root, files)
            problems, _ = check_layering.check(root)
            return problems

    def test_clean_tree_passes(self):
        self.assertEqual(self.check(CLEAN), [])

    def test_each_breach_is_reported_once(self):
        for path, text, word in BREACHES:
            with self.subTest(path=path, plant=text.strip()):
                files = dict(CLEAN)
                # Includes are added to the file; a CMakeLists.txt is replaced.
                if path.endswith("CMakeLists.txt"):
                    files[path] = text
                else:
                    files[path] = files.get(path, "") + text
                problems = self.check(files)
                self.assertEqual(len(problems), 1, problems)
                self.assertTrue(problems[0].startswith(path + ":"), problems)
                self.assertIn(word, problems[0])

    def test_build_trees_and_hidden_folders_are_skipped(self):
        files = dict(CLEAN)
        files["build/test/ta/x.cpp"] = '#include "app/main.h"\n'
        files["chart/out/CMakeCache.txt"] = ""
        files["chart/out/x.cpp"] = '#include "store/db.h"\n'
        files[".git/x.cpp"] = '#include "app/main.h"\n'
        self.assertEqual(self.check(files), [])


if __name__ == "__main__":
    unittest.main()
