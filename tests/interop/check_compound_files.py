#!/usr/bin/python3
"""Checks the compound files the tests wrote with readers that are not ours.

usage:
  check_compound_files.py lint TOOLS DIR           every .xls under DIR passes cfb_lint.py (no ERR)
  check_compound_files.py olefile DIR              olefile lists and reads DIR/manifest.txt's streams
  check_compound_files.py corpus TOOLS CORPUS DIR  corpus files written anew keep every stream
                                                   (and read the same in xlrd, where installed);
                                                   refused ones carry one of the layer's messages
Exit 77 means the reader is missing (the test is skipped).
"""
import codecs, hashlib, os, subprocess, sys

SKIP = 77
MESSAGES = ('The file "%s" is invalid', 'Can\'t read file "%s"', 'The file "%s" holds no workbook')


def fnv1a(data):
    h = 2166136261
    for b in data:
        h = ((h ^ b) * 16777619) & 0xFFFFFFFF
    return h


def xls_files(folder):
    for root, _, names in os.walk(folder):
        for name in sorted(names):
            if name.endswith('.xls'):
                yield os.path.join(root, name)


def tool(tools, name):
    path = os.path.join(tools, name)
    if not os.path.exists(path):
        print(f'skipped: {path} is missing')
        sys.exit(SKIP)
    return path


def lint(tools, folder):
    files = list(xls_files(folder))
    if not files:
        print(f'no files under {folder}')
        return 1
    out = subprocess.run([sys.executable, tool(tools, 'cfb_lint.py'), *files],
                         capture_output=True, text=True)
    print(out.stdout, end='')
    bad = [line for line in out.stdout.splitlines() if 'ERR' in line]
    return 1 if bad or out.returncode != 0 or len(out.stdout.splitlines()) != len(files) else 0


def need_olefile():
    try:
        import olefile
        return olefile
    except ImportError:
        print('skipped: python3-olefile is not installed')
        sys.exit(SKIP)


def check_olefile(folder):
    olefile = need_olefile()
    expected = {}
    with open(os.path.join(folder, 'manifest.txt'), encoding='ascii') as manifest:
        for line in manifest:
            name, path, size, checksum = line.rstrip('\n').split('\t')
            expected.setdefault(name, {})[codecs.decode(path, 'unicode_escape')] = (int(size), int(checksum))
    failures = 0
    for name, streams in sorted(expected.items()):
        ole = olefile.OleFileIO(os.path.join(folder, name))
        found = {}
        for entry in ole.listdir(streams=True, storages=False):
            path = '/'.join(entry)
            data = ole.openstream(path).read()
            if len(data) != ole.get_size(path):
                print(f'{name}: {path!r} read {len(data)} bytes of {ole.get_size(path)}')
                failures += 1
            found[path] = (len(data), fnv1a(data))
        if found != streams:
            print(f'{name}: olefile lists {sorted(found.items())}, expected {sorted(streams.items())}')
            failures += 1
        else:
            print(f'{name}: {len(found)} streams ok')
    return 1 if failures else 0


def xlrd_view(path):
    """Sheet names and cell values as xlrd reads them, or its error; None without xlrd."""
    try:
        import xlrd
    except ImportError:
        return None
    try:
        book = xlrd.open_workbook(path, logfile=open(os.devnull, 'w'))
        return [(sheet.name, [sheet.row_values(r) for r in range(sheet.nrows)]) for sheet in book.sheets()]
    except Exception as error:  # xlrd's own error types vary between versions
        return f'{type(error).__name__}: {error}'


def corpus(tools, source, folder):
    olefile = need_olefile()
    diff = tool(tools, 'cfb_diff.py')
    failures = 0
    for original in xls_files(source):
        name = os.path.basename(original)
        written = os.path.join(folder, name)
        if os.path.exists(written + '.refused'):
            with open(written + '.refused', encoding='utf-8') as f:
                message = f.read().strip()
            if message not in [m % original for m in MESSAGES]:
                print(f'{name}: refused with an unknown message: {message}')
                failures += 1
            else:
                print(f'{name}: refused: {message}')
            continue
        if not os.path.exists(written):
            print(f'{name}: neither written nor refused')
            failures += 1
            continue
        before = olefile.OleFileIO(original)
        old = [e[0] for e in before.listdir(streams=True, storages=False)
               if len(e) == 1 and e[0].lower() in ('workbook', 'book')]
        ignore = sorted(set(old + ['Workbook']))
        result = subprocess.run([sys.executable, diff, original, written, '--ignore', *ignore],
                                capture_output=True, text=True)
        after = olefile.OleFileIO(written)
        same_workbook = bool(old) and before.openstream(old[0]).read() == after.openstream('Workbook').read()
        stale = [e for e in after.listdir(streams=True, storages=False) if e != ['Workbook'] and
                 len(e) == 1 and e[0].lower() in ('workbook', 'book')]
        # Where xlrd is installed, it must see the same sheets and values in both files.
        same_view = xlrd_view(original) == xlrd_view(written)
        if result.returncode != 0 or not same_workbook or stale or not same_view:
            print(f'{name}: {result.stdout.strip()} workbook kept: {same_workbook}, old left: {stale}, '
                  f'same in xlrd: {same_view}')
            failures += 1
        else:
            print(f'{name}: every stream kept')
    return 1 if failures else 0


def main(argv):
    if len(argv) == 4 and argv[1] == 'lint':
        return lint(argv[2], argv[3])
    if len(argv) == 3 and argv[1] == 'olefile':
        return check_olefile(argv[2])
    if len(argv) == 5 and argv[1] == 'corpus':
        return corpus(argv[2], argv[3], argv[4])
    print(__doc__)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv))
