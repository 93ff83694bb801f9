"""The table of make soak: each real-time test's passes and failures over the
rounds (CTest's JUnit files in FOLDER/rounds), and the output of every failure
written to FOLDER/failures/TEST.ROUND.log. Exits 1 if any test failed once.

    python3 tools/soak_report.py FOLDER"""

import os
import sys
import xml.etree.ElementTree as ET


def main(folder):
    rounds = sorted((f for f in os.listdir(os.path.join(folder, 'rounds')) if f.endswith('.xml')),
                    key=lambda f: int(f.split('.')[0]))
    results = {}  # test -> [passes, failures, skips, longest seconds]
    for name in rounds:
        number = name.split('.')[0]
        for case in ET.parse(os.path.join(folder, 'rounds', name)).getroot().iter('testcase'):
            test = case.get('name')
            row = results.setdefault(test, [0, 0, 0, 0.0])
            row[3] = max(row[3], float(case.get('time') or 0))
            if case.find('skipped') is not None or case.get('status') == 'notrun':
                row[2] += 1
            elif case.find('failure') is not None or case.find('error') is not None:
                row[1] += 1
                output = case.findtext('system-out') or ''
                with open(os.path.join(folder, 'failures', '%s.%s.log' % (test, number)), 'w') as f:
                    f.write(output)
            else:
                row[0] += 1
    width = max([len(t) for t in results] + [4])
    print('%-*s  %6s  %6s  %6s  %8s' % (width, 'test', 'passed', 'failed', 'skipped', 'longest'))
    for test in sorted(results):
        passes, failures, skips, longest = results[test]
        print('%-*s  %6d  %6d  %6d  %7.1fs%s' % (width, test, passes, failures, skips, longest,
                                                '  <- see failures/%s.*.log' % test if failures else ''))
    failed = sum(r[1] for r in results.values())
    print('%d rounds; %d test runs failed' % (len(rounds), failed))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
