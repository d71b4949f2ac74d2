#!/usr/bin/env python3
"""The shipped radiant files are exactly what tools/make-data makes from
data/sources/."""

import importlib.machinery
import importlib.util
import os
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def load_tool():
    path = os.path.join(ROOT, "tools", "make-data")
    loader = importlib.machinery.SourceFileLoader("make_data", path)
    spec = importlib.util.spec_from_loader("make_data", loader)
    module = importlib.util.module_from_spec(spec)
    loader.exec_module(module)
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
