#!/usr/bin/env python3
"""The shipped radiant files are exactly what tools/make-data makes from
data/sources/."""

import os
import types
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def load_tool():
    # The tool is a script without a .py name, so it is run into a module of its own.
    path = os.path.join(ROOT, "tools", "make-data")
    module = types.ModuleType("make_data")
    module.__file__ = path
    with open(path, encoding="utf-8") as source:
        exec(compile(source.read(), path, "exec"), module.__dict__)
    return module


TOOL = load_tool()


class ShippedRadiantFiles(unittest.TestCase):
    def test_shipped_files_equal_what_the_tool_makes_every_time(self):
        first, _ = TOOL.radiant_files()
        second, _ = TOOL.radiant_files()
        self.assertEqual(first, second)
        for name, made in first:
            with open(os.path.join(ROOT, "data", name), "rb") as f:
                self.assertEqual(f.read(), made, name + " differs from the tool's")


if __name__ == "__main__":
    unittest.main()
