#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

# Before and after a change that should not alter what tavro-cli prints: runs a fixed set of
# command lines (every format, filter, command and usage error, in English, German and French)
# over a folder of synthetic dumps, once with each build, and lists every difference in exit
# status, standard output or standard error.
#   tests/same_output.py record BUILD/tavro-cli BUILD/translations before.json
#   (change, rebuild)
#   tests/same_output.py record BUILD/tavro-cli BUILD/translations after.json
#   tests/same_output.py diff before.json after.json
import json, os, shutil, subprocess, sys, tempfile, itertools


def word(image, offset, value):
    image[offset] = value & 0xff
    image[offset + 1] = value >> 8


def fix(image):
    word(image, 509, sum(image[256:509]) & 0xffff)


def valid():
    image = bytearray(((i * 7 + 3) & 0xff) for i in range(512))
    for i in range(14):
        image[160 + i] = i + 1
    image[254] = 0xE3
    image[256:260] = bytes([0x0A, 0x1B, 0x2C, 0x3D])
    word(image, 496, 0x2124)
    word(image, 507, 0xBC42)
    fix(image)
    return image


def ihex(image, length=16):
    lines = []
    for at in range(0, len(image), length):
        chunk = image[at:at + length]
        rec = bytes([len(chunk), at >> 8, at & 0xff, 0]) + bytes(chunk)
        lines.append(':' + rec.hex().upper() + '%02X' % ((-sum(rec)) & 0xff))
    lines.append(':00000001FF')
    return ('\n'.join(lines) + '\n').encode()


def srec(image, length=16):
    lines = ['S0030000FC']
    for at in range(0, len(image), length):
        chunk = image[at:at + length]
        rec = bytes([len(chunk) + 3, at >> 8, at & 0xff]) + bytes(chunk)
        lines.append('S1' + rec.hex().upper() + '%02X' % (~sum(rec) & 0xff))
    lines.append('S9030000FC')
    return ('\n'.join(lines) + '\n').encode()


def fixture(root):
    def put(name, data):
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, 'wb') as f:
            f.write(data)
    v = valid()
    put('boards/a valid.bin', v)
    bad = bytearray(v); bad[300] = (bad[300] + 1) & 0xff
    put('boards/b checksum.bin', bad)
    put('boards/c short.bin', v[:100])
    eng = bytearray(v); word(eng, 496, 0x1234); fix(eng)
    put('boards/d engine.bin', eng)
    sole = bytearray(v); word(sole, 496, 0x292C); word(sole, 507, 0x0000); sole[254] = 0; fix(sole)
    put('boards/sub/e sole.eep', sole)
    mcu = bytearray(v); word(mcu, 507, 0x4242); sole[254] = 5; fix(mcu)
    put('boards/sub/f mcu.EEP', mcu)
    put('boards/g.hex', ihex(v))
    put('boards/h.s19', srec(sole))
    put('boards/i bad.hex', b':10000000ZZ\n')
    put('boards/notes.txt', b'hello')
    counts = bytearray(v)
    for i in range(14):
        counts[160 + i] = 255 if i % 3 == 0 else (i * 5)
    counts[254] = 0xE7
    put('boards/j counts.bin', counts)
    put('other/a valid.bin', v)
    put('other/b checksum.bin', v)
    put('other/only.bin', sole)
    put('other/sub/e sole.eep', counts)
    put('valid.bin', v)
    put('checksum.bin', bad)
    put('sole.bin', sole)
    put('counts.bin', counts)
    put('short.bin', v[:511])
    put('engine.bin', eng)
    put('g.hex', ihex(v))
    put('h.srec', srec(v))
    put('odd,name;"q".bin', v)
    put('=cmd.bin', v)
    put('list.txt', b'valid.bin\nchecksum.bin\nmissing.bin\nboards\n')


def cases():
    formats = ['text', 'json', 'jsonl', 'csv']
    paths = [['valid.bin'], ['checksum.bin'], ['short.bin'], ['engine.bin'], ['g.hex'],
             ['h.srec'], ['boards'], ['boards', 'other'], ['missing.bin'], ['valid.bin', 'missing.bin'],
             ['odd,name;"q".bin', '=cmd.bin'], ['sole.bin', 'counts.bin'], ['boards/i bad.hex']]
    for f, p in itertools.product(formats, paths):
        yield ['report', '-f', f] + p
    for p in paths:
        yield ['report'] + p
        for f in ['text', 'json', 'csv']:
            yield ['summary', '-f', f] + p
    for d in [';', '\t', '|', ' ']:
        yield ['report', '-f', 'csv', '--delimiter', d, 'boards', 'odd,name;"q".bin']
        yield ['summary', '-f', 'csv', '--delimiter', d, 'boards']
    for extra in [['--no-header'], ['--bom'], ['--no-header', '--bom']]:
        yield ['report', '-f', 'csv'] + extra + ['boards']
        yield ['summary', '-f', 'csv'] + extra + ['boards']
    for v in ['valid', 'bad-checksum', 'wrong-size', 'unknown-engine', 'unreadable', 'nonsense']:
        yield ['report', '--only', v, '-l', 'boards']
        yield ['report', '--only', v, 'boards', 'missing.bin']
        yield ['report', '--only', v, '-f', 'json', 'boards']
    for e in ['E3', 'e7', 'none', '5', 'XYZ', '']:
        yield ['report', '--last-error', e, '-l', 'boards']
    yield ['report', '--files-from', 'list.txt']
    yield ['report', '-l', '--files-from', 'list.txt']
    yield ['summary', '--files-from', 'list.txt']
    for a, b in [('valid.bin', 'valid.bin'), ('valid.bin', 'checksum.bin'), ('valid.bin', 'sole.bin'),
                 ('valid.bin', 'counts.bin'), ('valid.bin', 'g.hex'), ('valid.bin', 'short.bin'),
                 ('valid.bin', 'missing.bin'), ('engine.bin', 'valid.bin'), ('boards', 'other'),
                 ('boards/', 'other/'), ('other', 'boards'), ('boards', 'valid.bin'),
                 ('boards/i bad.hex', 'valid.bin')]:
        yield ['compare', a, b]
        yield ['compare', '-q', a, b]
    for to in ['bin', 'ihex', 'srec', 'xyz']:
        for i in ['valid.bin', 'g.hex', 'h.srec', 'engine.bin', 'short.bin', 'missing.bin']:
            yield ['convert', i, '-o', '-', '--to', to]
    for i in ['valid.bin', 'g.hex', 'h.srec', 'checksum.bin', 'engine.bin', 'short.bin', 'missing.bin']:
        yield ['clear', i, '-o', '-']
        yield ['clear', i, '-o', 'out/x.bin', '--dry-run']
    yield ['clear', 'boards', '--suffix', '_c', '--dry-run']
    yield ['clear', 'boards', '-d', 'outdir', '--dry-run']
    yield ['clear', '--files-from', 'list.txt', '-d', 'outdir', '--dry-run']
    yield ['clear', 'valid.bin', '-o', 'valid.bin']
    yield ['clear', 'valid.bin', '-o', 'boards']
    yield ['clear', 'valid.bin', '-o', 'checksum.bin', '--dry-run']
    # usage errors
    for line in [[], ['bogus'], ['report'], ['report', '-x', 'a'], ['report', '--format'],
                 ['report', '-f', 'xml', 'a'], ['summary', '-f', 'jsonl', 'a'],
                 ['report', '--no-header', 'a'], ['report', '-l', '-f', 'json', 'a'],
                 ['clear', 'a'], ['clear', 'a', '-o', 'b', '--suffix', 'x'], ['compare', 'a'],
                 ['convert', 'a', '-o', 'b'], ['report', '--to', 'bin', 'a'], ['--help'], ['-h'],
                 ['report', '--delimiter', 'ab', '-f', 'csv', 'a'], ['clear', 'a', '--suffix', ''],
                 ['report', '--version=3'], ['report', '-', '-']]:
        yield line


def record(cli, catalogues, out):
    results = {}
    with tempfile.TemporaryDirectory() as top:
        for language in ['en', 'de', 'fr']:
            bindir = os.path.join(top, 'bin-' + language)
            os.makedirs(bindir)
            shutil.copy(cli, bindir)
            if language != 'en':
                shutil.copy(os.path.join(catalogues, 'tavro_%s.qm' % language),
                            os.path.join(bindir, 'lang.qm'))
            program = os.path.join(bindir, 'tavro-cli')
            for index, args in enumerate(cases()):
                work = os.path.join(top, 'w')
                shutil.rmtree(work, ignore_errors=True)
                os.makedirs(work)
                fixture(work)
                env = dict(os.environ, LANG='C.UTF-8', LC_ALL='C.UTF-8', LANGUAGE='')
                r = subprocess.run([program] + args, cwd=work, capture_output=True, env=env,
                                   timeout=30)
                results[language + ' ' + json.dumps(args)] = [r.returncode,
                                                              r.stdout.decode('utf-8', 'replace'),
                                                              r.stderr.decode('utf-8', 'replace')]
    with open(out, 'w') as f:
        json.dump(results, f, indent=0, sort_keys=True)
    print('%d cases recorded' % len(results))


def diff(a, b):
    with open(a) as f:
        x = json.load(f)
    with open(b) as f:
        y = json.load(f)
    differing = 0
    for key in sorted(set(x) | set(y)):
        if x.get(key) != y.get(key):
            differing += 1
            print('==', key)
            for what, i in (('status', 0), ('out', 1), ('err', 2)):
                if x.get(key, [None] * 3)[i] != y.get(key, [None] * 3)[i]:
                    print('  %s before: %r' % (what, x.get(key, [None] * 3)[i]))
                    print('  %s after:  %r' % (what, y.get(key, [None] * 3)[i]))
    print('%d cases, %d differ' % (len(set(x) | set(y)), differing))


if __name__ == '__main__':
    if sys.argv[1] == 'record':
        record(sys.argv[2], sys.argv[3], sys.argv[4])
    else:
        diff(sys.argv[2], sys.argv[3])
