#!/usr/bin/env python3
"""The shipped radiant files are exactly what tools/make-data makes from
data/sources/, and the tool refuses names the record cannot hold."""

import importlib.machinery
import importlib.util
import os
import unittest
from unittest import mock

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

    def test_names_the_record_cannot_hold_or_missing_are_refused(self):
        real = TOOL.read_csv

        def names_with(name):
            def read(source):
                rows = real(source)
                if source == TOOL.SPANISH_NAMES:
                    k = [r["code"] for r in rows].index("PER")
                    if name is None:
                        del rows[k]
                    else:
                        rows[k]["name"] = name
                return rows
            return read

        for bad in ("Perseidas" + "x" * 17, "Perseidas \u03b1", "", None):
            with mock.patch.object(TOOL, "read_csv", names_with(bad)):
                self.assertRaises(TOOL.DataError, TOOL.radiant_files)
        with mock.patch.object(TOOL, "read_csv", names_with("Perseidas" + "x" * 16)):
            TOOL.radiant_files()


if __name__ == "__main__":
    unittest.main()
