#!/usr/bin/env python3
"""Mutation run for a CMake + CTest project: plants one fault at a time in the
C++ files you name, rebuilds incrementally, runs the tests, and reports the
faults that no test caught.

  tools/mutate.py src/calc/NvrCalculator.cpp src/model/TaskXmlStore.cpp:100-220 -n 30

Run it from the project root (or give --source).  What it does:

 1. Copies the project (the files git lists: tracked, and untracked ones that
    are not ignored) into a scratch folder, and keeps that copy in step on later
    runs by rewriting only the files whose content changed, so builds stay
    incremental.  Your checkout is never written.
 2. Configures a build folder once (Ninja when installed, RelWithDebInfo's
    optimisation without debug info, ccache and lld when installed, plus any
    --cmake-arg), builds it, and runs ctest once on the unmutated copy (the
    baseline: every selected test must pass).  Each test then gets a timeout of
    max(--timeout, 3 x its baseline time + 10 s), never above its own TIMEOUT.
 3. Generates single mutants in the named files (and line ranges):
      relational   < to <=, <= to <, > to >=, >= to >   (boundary flips)
      equality     == to !=, != to ==
      logical      && to ||, || to &&
      arithmetic   binary + to -, - to +   (not on lines that build text)
      constant     integer literal n to n+1 and n-1 (0 only to 1)
      boolean      true to false, false to true
      deletion     a one-line statement removed (only with --deletions)
    Operators count only when written with a space on both sides (the formatted
    form of a binary operator: template brackets, ->, <<, unary minus and
    references are left alone).  Comments, string and character literals,
    preprocessor lines, and logging / assert / Q_UNUSED lines are skipped.
 4. Picks N of them at random with a seed (same seed and sources: same sample)
    and for each one: writes it into the scratch copy, rebuilds, runs ctest
    (first the tests named after the file and those that killed its faults
    before, then the rest; -j, stopping at the first failing test), and
    restores the file (also when stopped by Ctrl-C or SIGTERM).
      killed     a test failed, crashed or timed out
      survived   every test passed: the suite misses this fault
      stillborn  it did not compile (not counted in the score)
 5. Prints each result as it comes, then killed/total per file, every survivor
    as file:line with its mutation, and the score killed / (killed + survived).

Results are cached in the work folder per (content of the whole tree, mutant,
test selection): rerunning with unchanged sources is instant, and any change
(a new test, say) runs the mutants again.  Some survivors are equivalent
mutants (no behaviour changes, e.g. a bound that no input can reach); judge
each one before writing a test for it.

Exit status: 0 when the run finished (and the score reached --min-score when
given), 1 when the score is below --min-score, 2 when the copy does not build
or the baseline fails.
"""
import argparse
import fcntl
import hashlib
import json
import math
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

DEFAULT_WORK_ROOT = '/tmp/mutate'


# --------------------------------------------------------------------------
# Commands
# --------------------------------------------------------------------------

def run(cmd, cwd=None, timeout=None, env=None):
    """(exit status, stdout+stderr); status 124 when the command ran past timeout."""
    p = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         text=True, errors='replace', start_new_session=True)
    try:
        out, _ = p.communicate(timeout=timeout)
        return p.returncode, out
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        out, _ = p.communicate()
        return 124, (out or '') + '\n[killed after %s s]' % timeout
    except BaseException:              # interrupted: take the build or the tests down too
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        raise


def exit_on_term():
    """SIGTERM ends the run like Ctrl-C: the mutated file is restored on the way out."""
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))


def sha1(data):
    return hashlib.sha1(data if isinstance(data, bytes) else data.encode('utf-8')).hexdigest()


# --------------------------------------------------------------------------
# Mutants
# --------------------------------------------------------------------------

class Mutant:
    """One fault: in `file`, the text `old` at character offset `offset` becomes
    `new`.  offset None: `old` is a snippet that must occur exactly once."""

    def __init__(self, file, old, new, offset=None, kind='', ident=None):
        self.file, self.old, self.new, self.offset, self.kind = file, old, new, offset, kind
        self.ident = ident
        self.line = self.context = None          # set by locate()

    def locate(self, text):
        """Offset of the fault in text, or None when it does not apply (stale).
        Also sets line (where old and new first differ) and context (that line
        with the change marked as [old => new])."""
        if self.offset is None:
            if text.count(self.old) != 1:
                return None
            off = text.find(self.old)
        else:
            off = self.offset
            if text[off:off + len(self.old)] != self.old:
                return None
        p = 0
        while p < min(len(self.old), len(self.new)) and self.old[p] == self.new[p]:
            p += 1
        s = 0
        while s < min(len(self.old), len(self.new)) - p and self.old[-1 - s] == self.new[-1 - s]:
            s += 1
        a, b = off + p, off + len(self.old) - s
        while a > off and not text[a - 1].isspace():                 # whole tokens in the label
            a -= 1
        while b < off + len(self.old) and not text[b].isspace():
            b += 1
        start = text.rfind('\n', 0, a) + 1
        end = text.find('\n', b)
        end = len(text) if end < 0 else end
        before, after = text[start:a].lstrip()[-40:], text[b:end].rstrip()[:40]
        self.line = text.count('\n', 0, a) + 1
        new_mid = self.new[a - off:len(self.new) - (off + len(self.old) - b)]
        self.context = ' '.join(('%s[%s => %s]%s' % (before, text[a:b], new_mid, after)).split())
        return off

    def apply(self, text):
        off = self.locate(text)
        if off is None:
            return None
        return text[:off] + self.new + text[off + len(self.old):]

    def key(self):
        return [self.file, self.old, self.new, self.offset]

    def label(self):
        if self.context:
            return self.context
        return '[%s => %s]' % (' '.join(self.old.split())[:60], ' '.join(self.new.split())[:60])

    def where(self):
        return '%s:%s' % (self.file, self.line if self.line is not None else '?')


def code_mask(text):
    """True for each character that is code: not in a comment, a string or
    character literal, or a preprocessor line."""
    n = len(text)
    mask = [True] * n
    i = 0
    line_start = True
    while i < n:
        c = text[i]
        if c == '\n':
            line_start = True
            i += 1
            continue
        if line_start and c in ' \t':
            i += 1
            continue
        if line_start and c == '#':                       # preprocessor line, with continuations
            j = i
            while j < n and not (text[j] == '\n' and text[j - 1] != '\\'):
                j += 1
            for k in range(i, j):
                mask[k] = False
            i = j
            continue
        line_start = False
        if text.startswith('//', i):
            j = text.find('\n', i)
            j = n if j < 0 else j
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
        elif c == 'R' and text.startswith('"', i + 1) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == '_')):
            m = re.match(r'R"([^(\s]*)\(', text[i:])
            if not m:
                i += 1
                continue
            end = text.find(')' + m.group(1) + '"', i)
            j = n if end < 0 else end + len(m.group(1)) + 2
        elif c == '"' or (c == "'" and not (i > 0 and text[i - 1].isalnum())):   # 1'000 is a number
            j = i + 1
            while j < n and text[j] != c and text[j] != '\n':
                j += 2 if text[j] == '\\' else 1
            j = min(j + 1, n)
        else:
            i += 1
            continue
        for k in range(i, j):
            if text[k] != '\n':
                mask[k] = False
        i = j
    return mask


SKIP_LINE = re.compile(r'\b(qDebug|qInfo|qWarning|qCritical|qFatal|qCDebug|qCInfo|qCWarning|qCCritical|'
                       r'Q_ASSERT|Q_ASSERT_X|assert|static_assert|Q_UNUSED|Q_OBJECT|Q_PROPERTY|Q_ENUM|'
                       r'Q_DECLARE_\w+|Q_GADGET)\b')
OPERATORS = {'<': '<=', '<=': '<', '>': '>=', '>=': '>', '==': '!=', '!=': '==',
             '&&': '||', '||': '&&', '+': '-', '-': '+'}
KINDS = {'<': 'relational', '<=': 'relational', '>': 'relational', '>=': 'relational',
         '==': 'equality', '!=': 'equality', '&&': 'logical', '||': 'logical',
         '+': 'arithmetic', '-': 'arithmetic'}
OP_RE = re.compile(r'(?<=\s)(<=|>=|==|!=|&&|\|\||<|>|\+|-)(?=\s)')
INT_RE = re.compile(r'(?<![\w.\'])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.\'])')
BOOL_RE = re.compile(r'\b(true|false)\b')
NOT_A_STATEMENT = re.compile(r'^(return|break|continue|goto|case|default|throw|using|typedef|friend|'
                             r'public|private|protected|signals|slots|template|namespace|class|struct|'
                             r'enum|else|do|for|while|if|switch|try|catch|const|static|constexpr|'
                             r'inline|extern|virtual|explicit|auto|int|bool|double|float|char|'
                             r'unsigned|long|short|void|qint\w*|quint\w*|size_t)\b')
DECLARATION = re.compile(r'^(?!emit\b)(const\s+)?[A-Za-z_][\w:]*(<[^;]*>)?[\s&*]+[A-Za-z_]\w*\s*[=;({\[]')
# + and - next to text are string concatenation: flipping them does not compile
TEXT_LINE = re.compile(r'"|\b(tr|QString|QStringLiteral|QLatin1String|QLatin1Char|QChar|arg)\b')


def parse_ranges(spec):
    """'10-20,40-45,60' -> [(10, 20), (40, 45), (60, 60)]."""
    out = []
    for part in spec.split(','):
        a, _, b = part.partition('-')
        out.append((int(a), int(b or a)))
    return out


def generate(rel, text, ranges=None, deletions=False):
    """Every single mutant of the kinds above in text (file path rel)."""
    mask = code_mask(text)
    lines = text.split('\n')
    starts, pos = [], 0
    for ln in lines:
        starts.append(pos)
        pos += len(ln) + 1
    out = []

    def code(off, length):
        return all(mask[off:off + length])

    prev_end = ';'
    for no, ln in enumerate(lines, 1):
        base = starts[no - 1]
        visible = ''.join(ch for k, ch in enumerate(ln) if mask[base + k]).strip()
        wanted = not ranges or any(a <= no <= b for a, b in ranges)
        if wanted and visible and not SKIP_LINE.search(visible):
            for m in OP_RE.finditer(ln):
                op = m.group(1)
                if op in '+-' and TEXT_LINE.search(ln):
                    continue
                if code(base + m.start(), len(op)):
                    out.append(Mutant(rel, op, OPERATORS[op], base + m.start(), KINDS[op]))
            for m in INT_RE.finditer(ln):
                if not code(base + m.start(), len(m.group(0))):
                    continue
                lit, suffix = m.group(1), m.group(2)
                value = int(lit, 16) if lit[:2].lower() == '0x' else int(lit)
                fmt = (lambda v: '0x%X' % v) if lit[:2].lower() == '0x' else str
                for v in (value + 1, value - 1):
                    if v >= 0:
                        out.append(Mutant(rel, lit + suffix, fmt(v) + suffix, base + m.start(), 'constant'))
            for m in BOOL_RE.finditer(ln):
                if code(base + m.start(), len(m.group(1))):
                    flip = 'false' if m.group(1) == 'true' else 'true'
                    out.append(Mutant(rel, m.group(1), flip, base + m.start(), 'boolean'))
            if deletions and visible.endswith(';') and visible != ';' and prev_end in (';', '{', '}') \
                    and not NOT_A_STATEMENT.match(visible) and not DECLARATION.match(visible) \
                    and visible[0] not in '})' and visible.count('(') == visible.count(')'):
                lead = len(ln) - len(ln.lstrip())
                out.append(Mutant(rel, ln[lead:].rstrip(), ';', base + lead, 'deletion'))
        if visible:
            prev_end = visible[-1]
    return out


# --------------------------------------------------------------------------
# The scratch copy and its build
# --------------------------------------------------------------------------

RESULT_LINE = re.compile(r'^\s*\d+/\d+ Test\s+#\d+: (\S+) \.*\s*(?:\*\*\*)?(.*?)\s+([\d.]+) sec\s*$')
PROPS_LINE = re.compile(r'^set_tests_properties\((\S+) PROPERTIES ')


class Workspace:
    """A scratch copy of the project (work/src) with its own build (work/build)."""

    def __init__(self, source, work, cmake_args=(), jobs=2, log=print):
        self.source = os.path.abspath(source)
        self.work = os.path.abspath(work)
        self.src = os.path.join(self.work, 'src')
        self.build_dir = os.path.join(self.work, 'build')
        self.cmake_args = list(cmake_args)
        self.jobs = jobs
        self.log = log
        self.tree_key = None
        self.limits = {}
        self.default_limit = None
        os.makedirs(self.src, exist_ok=True)
        self._lock = open(os.path.join(self.work, 'lock'), 'w')
        try:
            fcntl.flock(self._lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
        except OSError:
            log('waiting for another run in %s' % self.work)
            fcntl.flock(self._lock, fcntl.LOCK_EX)
        self.cache_path = os.path.join(self.work, 'results.jsonl')
        self.cache = {}
        self.killers = {}         # file -> {test: how often it killed a mutant of that file}
        self.tests = []           # the selected tests, from the baseline
        if os.path.exists(self.cache_path):
            with open(self.cache_path) as f:
                for line in f:
                    try:
                        self.learn(json.loads(line))
                    except (ValueError, KeyError):
                        pass

    # ---- copy ----
    def source_files(self):
        if os.path.isdir(os.path.join(self.source, '.git')) or os.path.isfile(os.path.join(self.source, '.git')):
            rc, out = run(['git', '-C', self.source, 'ls-files', '-z', '--cached', '--others',
                           '--exclude-standard'])
            if rc == 0:
                files = [f for f in out.split('\0') if f]
                return sorted(f for f in set(files) if os.path.lexists(os.path.join(self.source, f))
                              and not os.path.isdir(os.path.join(self.source, f)))
        files = []
        for d, dirs, fs in os.walk(self.source):
            dirs[:] = [x for x in dirs if x != '.git' and not x.startswith('build')
                       and os.path.join(d, x) != self.work]
            files += [os.path.relpath(os.path.join(d, f), self.source) for f in fs]
        return sorted(files)

    def sync(self):
        """Brings the scratch copy in step with the source; returns how many files changed."""
        files = self.source_files()
        tree = hashlib.sha1()
        changed = 0
        for rel in files:
            s, d = os.path.join(self.source, rel), os.path.join(self.src, rel)
            if os.path.islink(s):
                target = os.readlink(s)
                tree.update(('%s\0L%s\0' % (rel, target)).encode('utf-8', 'surrogateescape'))
                if not (os.path.islink(d) and os.readlink(d) == target):
                    if os.path.lexists(d):
                        os.remove(d)
                    os.makedirs(os.path.dirname(d), exist_ok=True)
                    os.symlink(target, d)
                    changed += 1
                continue
            with open(s, 'rb') as f:
                data = f.read()
            tree.update(('%s\0%s\0' % (rel, sha1(data))).encode('utf-8', 'surrogateescape'))
            same = False
            if os.path.isfile(d) and not os.path.islink(d):
                with open(d, 'rb') as f:
                    same = f.read() == data
            if not same:
                if os.path.lexists(d):
                    os.remove(d)
                os.makedirs(os.path.dirname(d), exist_ok=True)
                with open(d, 'wb') as f:      # a fresh mtime, so the build sees the change
                    f.write(data)
                shutil.copymode(s, d)
                changed += 1
        keep = set(files)
        for d, dirs, fs in os.walk(self.src, topdown=False):
            for f in fs:
                rel = os.path.relpath(os.path.join(d, f), self.src)
                if rel not in keep:
                    os.remove(os.path.join(d, f))
                    changed += 1
            if d != self.src and not os.listdir(d):
                os.rmdir(d)
        self.tree_key = tree.hexdigest()
        return changed

    # ---- build ----
    def configure_args(self):
        args = ['-DCMAKE_BUILD_TYPE=RelWithDebInfo', '-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG']
        if shutil.which('ninja'):
            args = ['-G', 'Ninja'] + args
        if shutil.which('ccache'):
            args.append('-DCMAKE_CXX_COMPILER_LAUNCHER=ccache')
        if shutil.which('ld.lld'):
            args += ['-D%s=-fuse-ld=lld' % v for v in ('CMAKE_EXE_LINKER_FLAGS', 'CMAKE_SHARED_LINKER_FLAGS',
                                                         'CMAKE_MODULE_LINKER_FLAGS')]
        return args + self.cmake_args

    def configure(self):
        args = self.configure_args()
        stamp = os.path.join(self.build_dir, '.mutate-configure')
        if os.path.exists(stamp):
            with open(stamp) as f:
                if json.load(f) == args:
                    return True, ''
            shutil.rmtree(self.build_dir)
        os.makedirs(self.build_dir, exist_ok=True)
        rc, out = run(['cmake', '-S', self.src, '-B', self.build_dir] + args)
        if rc == 0:
            with open(stamp, 'w') as f:
                json.dump(args, f)
        return rc == 0, out

    def build(self, timeout=3600):
        rc, out = run(['cmake', '--build', self.build_dir, '-j', str(self.jobs)], timeout=timeout)
        if rc == 0:
            self.apply_limits()
        return rc == 0, out

    # ---- tests ----
    def ctest(self, select=(), stop_on_failure=False, timeout=None):
        """{test: (status, seconds)} and the raw output."""
        cmd = ['ctest', '-j', str(self.jobs), '--no-tests=error'] + list(select)
        if stop_on_failure:
            cmd.append('--stop-on-failure')
        if self.default_limit:
            cmd += ['--timeout', str(self.default_limit)]
        rc, out = run(cmd, cwd=self.build_dir, timeout=timeout)
        results = {}
        for line in out.splitlines():
            m = RESULT_LINE.match(line)
            if m:
                results[m.group(1)] = (' '.join(m.group(2).replace('*', ' ').split()) or 'Passed',
                                       float(m.group(3)))
        if rc != 0 and not any(s != 'Passed' for s, _ in results.values()):
            results['(ctest)'] = ('exit %d' % rc, 0.0)     # e.g. no test matched, or ctest killed
        return results, out

    def set_limits(self, durations, floor):
        """Per-test timeouts from the baseline times."""
        self.limits = {t: max(floor, int(math.ceil(3 * s)) + 10) for t, s in durations.items()}
        self.default_limit = max([floor] + list(self.limits.values()))
        self.apply_limits()

    def apply_limits(self):
        """Writes the timeouts into the build's CTestTestfile.cmake files (CMake
        rewrites them when it reconfigures, so this runs after every build)."""
        if not self.limits:
            return
        for d, _, fs in os.walk(self.build_dir):
            if 'CTestTestfile.cmake' not in fs:
                continue
            path = os.path.join(d, 'CTestTestfile.cmake')
            with open(path, encoding='utf-8', errors='surrogateescape') as f:
                lines = f.read().split('\n')
            changed = False
            for i, line in enumerate(lines):
                m = PROPS_LINE.match(line)
                if not m or m.group(1) not in self.limits:
                    continue
                limit = self.limits[m.group(1)]
                t = re.search(r' TIMEOUT "([\d.]+)"', line)
                if t:
                    value = min(float(t.group(1)), limit)
                    new = line[:t.start(1)] + ('%g' % value) + line[t.end(1):]
                else:
                    new = line.replace(' PROPERTIES ', ' PROPERTIES  TIMEOUT "%d" ' % limit, 1)
                if new != line:
                    lines[i], changed = new, True
            if changed:
                with open(path, 'w', encoding='utf-8', errors='surrogateescape') as f:
                    f.write('\n'.join(lines))

    def prepare(self, select=(), floor=60, build_timeout=3600):
        """Sync, configure, build, baseline.  Returns None, or why the run cannot go on."""
        t0 = time.monotonic()
        changed = self.sync()
        self.log('scratch copy: %s (%d files changed), tree %s' % (self.src, changed, self.tree_key[:12]))
        ok, out = self.configure()
        if not ok:
            return 'configure failed:\n' + out[-3000:]
        ok, out = self.build(build_timeout)
        if not ok:
            return 'the unmutated copy does not build:\n' + out[-3000:]
        self.log('built in %.0f s: %s' % (time.monotonic() - t0, self.build_dir))
        bkey = sha1(json.dumps(['baseline', self.tree_key, list(select), self.configure_args()]))
        rec = self.cache.get(bkey)
        if rec is None:
            t1 = time.monotonic()
            self.limits, self.default_limit = {}, None
            results, out = self.ctest(select, timeout=7200)
            failing = sorted(t for t, (s, _) in results.items() if s != 'Passed')
            rec = {'key': bkey, 'durations': {t: d for t, (s, d) in results.items()}, 'failing': failing,
                   'seconds': round(time.monotonic() - t1, 1)}
            if not failing:
                self.remember(rec)
        if rec['failing']:
            return 'the baseline fails (leave these out with -E, or fix them): %s' % ', '.join(rec['failing'])
        self.tests = sorted(rec['durations'])
        self.set_limits(rec['durations'], floor)
        self.log('baseline: %d tests pass in %.0f s; per-test timeouts %d..%d s' % (
            len(rec['durations']), rec['seconds'], min(self.limits.values()), max(self.limits.values())))
        return None

    def learn(self, rec):
        self.cache[rec['key']] = rec
        for t in rec.get('by', []) if rec.get('file') else []:
            tally = self.killers.setdefault(rec['file'], {})
            name = t.split(' (')[0]
            tally[name] = tally.get(name, 0) + 1

    def remember(self, rec):
        self.learn(rec)
        with open(self.cache_path, 'a') as f:
            f.write(json.dumps(rec) + '\n')

    def first_tests(self, rel):
        """The tests likely to fail for a fault in file rel: those named after it
        and those that killed faults in it before.  Run first, they spare most
        killed mutants the rest of the suite."""
        stem = os.path.splitext(os.path.basename(rel))[0].lower()
        named = [t for t in self.tests if stem and stem in t.lower()]
        tally = self.killers.get(rel, {})
        seen = sorted((t for t in tally if t in self.tests), key=lambda t: -tally[t])[:4]
        return sorted(set(named + seen))

    def ctest_names(self, names, timeout):
        results, _ = self.ctest(['-R', '^(%s)$' % '|'.join(re.escape(n) for n in names)], stop_on_failure=True,
                                timeout=timeout)
        return sorted('%s (%s)' % (t, st) for t, (st, _) in results.items() if st != 'Passed')

    # ---- one mutant ----
    def try_mutant(self, mutant, select=(), use_cache=True):
        """A dict: status killed / survived / stillborn / stale, by (failing tests),
        seconds, line, cached."""
        path = os.path.join(self.src, mutant.file)
        key = sha1(json.dumps(['mutant', self.tree_key, mutant.key(), list(select)]))
        try:
            with open(path, 'rb') as f:
                raw = f.read()
        except OSError:
            return {'status': 'stale', 'why': 'no such file'}
        text = raw.decode('utf-8', 'surrogateescape')
        mutated = mutant.apply(text)
        if mutated is None:
            return {'status': 'stale', 'why': 'snippet not found exactly once'}
        if use_cache and key in self.cache:
            return dict(self.cache[key], cached=True, line=mutant.line)
        t0 = time.monotonic()
        rec = {'key': key, 'file': mutant.file, 'line': mutant.line}
        try:
            with open(path, 'wb') as f:
                f.write(mutated.encode('utf-8', 'surrogateescape'))
            ok, out = self.build()
            if not ok:
                errors = [ln for ln in out.splitlines() if 'error' in ln]
                rec.update(status='stillborn', why=(errors or out.splitlines() or [''])[0][-300:])
            else:
                budget = sum(self.limits.values()) + 120
                first = self.first_tests(mutant.file)
                rest = [t for t in self.tests if t not in first]
                failing = self.ctest_names(first, budget) if first else []
                if not failing and rest:
                    failing = self.ctest_names(rest, budget)
                rec.update(status='killed' if failing else 'survived', by=failing)
        finally:
            with open(path, 'wb') as f:
                f.write(raw)
        rec['seconds'] = round(time.monotonic() - t0, 1)
        self.remember(rec)
        return dict(rec, cached=False)


# --------------------------------------------------------------------------
# Report
# --------------------------------------------------------------------------

def summarize(results, out=print):
    """results: [(mutant, result dict)].  Prints per file, survivors, stillborn;
    returns (killed, survived, stillborn)."""
    files = {}
    for m, r in results:
        files.setdefault(m.file, []).append(r['status'])
    width = max([len(f) for f in files] or [10])
    out('per file (killed / killed + survived):')
    for f in sorted(files):
        st = files[f]
        k, s = st.count('killed'), st.count('survived')
        extra = ', %d stillborn' % st.count('stillborn') if 'stillborn' in st else ''
        out('  %-*s  %3d / %-3d%s' % (width, f, k, k + s, extra))
    surv = [(m, r) for m, r in results if r['status'] == 'survived']
    out('survived (%d):' % len(surv))
    for m, r in sorted(surv, key=lambda x: (x[0].file, x[0].line or 0)):
        out('  %s  %s%s' % (m.where(), (m.ident + '  ') if m.ident else '', m.label()))
    still = [(m, r) for m, r in results if r['status'] == 'stillborn']
    if still:
        out('did not compile, not counted (%d):' % len(still))
        for m, r in still:
            out('  %s  %s' % (m.where(), m.label()))
    killed = sum(1 for _, r in results if r['status'] == 'killed')
    return killed, len(surv), len(still)


def run_all(ws, mutants, select=(), use_cache=True, out=print):
    results = []
    for i, m in enumerate(mutants, 1):
        r = ws.try_mutant(m, select, use_cache)
        if r['status'] == 'stale':
            out('[%d/%d] stale      %s %s (%s)' % (i, len(mutants), m.ident or m.file, m.label(), r['why']))
        else:
            by = ', '.join(r.get('by', [])[:3]) if r['status'] == 'killed' else r.get('why', '')
            out('[%d/%d] %-10s %s  %s%s  %s%s' % (
                i, len(mutants), r['status'], m.where(), (m.ident + '  ') if m.ident else '', m.label(),
                by, '  (cached)' if r.get('cached') else '  (%.0f s)' % r['seconds']))
        results.append((m, r))
    return results


# --------------------------------------------------------------------------
# Command line
# --------------------------------------------------------------------------

def main(argv=None):
    ap = argparse.ArgumentParser(
        description=__doc__.split('\n\n')[0],
        epilog=__doc__[__doc__.index('Run it from'):], formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('files', nargs='+', metavar='FILE[:LINES]',
                    help='C++ files relative to the project root; LINES like 10-80 or 10-80,120-140')
    ap.add_argument('-n', '--count', type=int, default=20, help='mutants to run (default %(default)s; 0: all)')
    ap.add_argument('--seed', type=int, default=1, help='seed of the sample (default %(default)s)')
    ap.add_argument('-R', dest='regex', help='run only the tests matching this regex (ctest -R)')
    ap.add_argument('-E', dest='exclude', help='leave out the tests matching this regex (ctest -E)')
    ap.add_argument('--kinds', default='relational,equality,logical,arithmetic,constant,boolean',
                    help='mutation kinds to generate (default: %(default)s; deletion needs --deletions)')
    ap.add_argument('--deletions', action='store_true', help='also remove one-line statements')
    ap.add_argument('--list', action='store_true', help='print the sampled mutants and stop (no build)')
    ap.add_argument('--source', default='.', help='project root (default: the current directory)')
    ap.add_argument('--work', help='scratch folder kept between runs (default: %s-<hash of source>)'
                    % DEFAULT_WORK_ROOT)
    ap.add_argument('--cmake-arg', action='append', default=[], metavar='ARG',
                    help='extra CMake argument for the one-time configure (repeatable), e.g. '
                         '--cmake-arg=-DVARDEX_BUILD_BENCH=OFF')
    ap.add_argument('-j', '--jobs', type=int, default=2, help='build and ctest jobs (default %(default)s)')
    ap.add_argument('--timeout', type=int, default=60,
                    help='least per-test timeout in seconds (default %(default)s); a timeout kills the mutant')
    ap.add_argument('--no-cache', action='store_true', help='run every mutant again')
    ap.add_argument('--min-score', type=float, help='exit 1 when killed / counted is below this percentage')
    a = ap.parse_args(argv)

    exit_on_term()
    source = os.path.abspath(a.source)
    kinds = set(a.kinds.split(',')) | ({'deletion'} if a.deletions else set())
    candidates = []
    for spec in a.files:
        rel, _, lines = spec.partition(':')
        path = os.path.join(source, rel)
        if not os.path.isfile(path):
            ap.error('no file %s under %s' % (rel, source))
        with open(path, 'rb') as f:
            text = f.read().decode('utf-8', 'surrogateescape')
        found = [m for m in generate(os.path.normpath(rel), text, parse_ranges(lines) if lines else None,
                                     a.deletions) if m.kind in kinds]
        for m in found:
            m.locate(text)
        print('%s: %d mutants' % (spec, len(found)))
        candidates += found
    pick = list(candidates) if a.count <= 0 or a.count >= len(candidates) else \
        random.Random(a.seed).sample(candidates, a.count)
    pick.sort(key=lambda m: (m.file, m.offset, m.new))
    print('sample: %d of %d (seed %d)' % (len(pick), len(candidates), a.seed))
    if a.list or not pick:
        for m in pick:
            print('  %-40s %-10s %s' % (m.where(), m.kind, m.label()))
        return 0

    select = (['-R', a.regex] if a.regex else []) + (['-E', a.exclude] if a.exclude else [])
    work = a.work or '%s-%s' % (DEFAULT_WORK_ROOT, sha1(source)[:10])
    ws = Workspace(source, work, a.cmake_arg, a.jobs)
    why = ws.prepare(select, a.timeout)
    if why:
        print(why)
        return 2
    t0 = time.monotonic()
    results = run_all(ws, pick, select, not a.no_cache)
    print()
    killed, survived, stillborn = summarize(results)
    counted = killed + survived
    score = 100.0 * killed / counted if counted else 0.0
    print('score: %d of %d killed = %.1f %% (%d stillborn not counted; %.0f s)' % (
        killed, counted, score, stillborn, time.monotonic() - t0))
    if a.min_score is not None and score < a.min_score:
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
