#!/usr/bin/env python3
"""The long-function check itself: what it must find and what it must not
mistake for a function, so that the house rule cannot rot unnoticed."""
import importlib.util
import os
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, '..', '..', 'scripts', 'long-functions.py')
spec = importlib.util.spec_from_file_location('long_functions', SCRIPT)
long_functions = importlib.util.module_from_spec(spec)
spec.loader.exec_module(long_functions)


def body(lines, indent='  '):
    return ''.join(f'{indent}x += {i};\n' for i in range(lines))


class LongFunctions(unittest.TestCase):
    def found(self, source, limit=10):
        with tempfile.NamedTemporaryFile('w', suffix='.cpp', delete=False) as f:
            f.write(source)
        try:
            return [(lines, head) for lines, _, head in long_functions.long_functions(f.name, limit)]
        finally:
            os.unlink(f.name)

    def test_functionsOverTheLimit_areFoundWithTheirLength(self):
        source = ('namespace a {\nint Long(int x) {\n' + body(9) + '}\n'
                  'int Fits(int x) {\n' + body(8) + '}\n}  // namespace a\n')
        self.assertEqual(self.found(source), [(11, 'int Long(int x)')])

    def test_membersConstructorsAndTrailingReturns_countAsFunctions(self):
        source = ('struct S {\n  int Get() const {\n' + body(10, '    ') + '  }\n};\n'
                  'S::S() : x_(0), y_{1} {\n' + body(10) + '}\n'
                  'auto F(int x) -> int {\n' + body(10) + '}\n')
        self.assertEqual([lines for lines, _ in self.found(source)], [12, 12, 12])

    def test_lambdasAndBlocks_countTowardsTheirFunction(self):
        source = ('void F() {\n  auto l = [&] {\n' + body(4, '    ') + '  };\n'
                  '  if (x) {\n' + body(4, '    ') + '  }\n}\n')
        self.assertEqual(self.found(source), [(14, 'void F()')])

    def test_bracesInCommentsAndStrings_areNotCode(self):
        source = ('void F() {\n  // }\n  /* } { */\n  const char* s = "}";\n'
                  '  char c = \'}\';\n  auto r = R"(})";\n' + body(6) + '}\n')
        self.assertEqual(self.found(source), [(13, 'void F()')])

    def test_dataTablesAndControlBlocks_areNotFunctions(self):
        source = ('constexpr int kTable[] = {\n' + ''.join(f'  {i},\n' for i in range(20)) + '};\n'
                  'enum class E {\n' + ''.join(f'  k{i},\n' for i in range(20)) + '};\n')
        self.assertEqual(self.found(source), [])

    def test_commandLine_failsOnlyWhenSomethingIsTooLong(self):
        with tempfile.TemporaryDirectory() as top:
            with open(os.path.join(top, 'a.cpp'), 'w') as f:
                f.write('void F() {\n' + body(20) + '}\n')
            sys.argv = ['long-functions.py', '--max', '30', top]
            self.assertEqual(long_functions.main(), 0)
            sys.argv = ['long-functions.py', '--max', '10', top]
            self.assertEqual(long_functions.main(), 1)


if __name__ == '__main__':
    unittest.main()
