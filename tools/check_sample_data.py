#!/usr/bin/env python3
"""Checks the sample sentence collection in resources/data/.

Usage: check_sample_data.py [DATA_DIR] [--spell] [--show]

Reads both MacRoman tab files the way the importer does, checks their
structure, forms every variant for a boy and a girl (the same resolution of
#male/female# groups and of the "_" / "_s" name placeholders as the program)
and applies a few grammar heuristics. --spell runs the formed texts through
hunspell with the German dictionary (packages hunspell, hunspell-de-de) and
lists unknown words; --show prints every formed sentence for reading.
Exit code 1 when a structural check fails.
"""
import os
import re
import shutil
import subprocess
import sys
from collections import defaultdict

NAMES = (('Jonas', True), ('Lena', False), ('Tim', True), ('Klaus', True))
DU_WORDS = re.compile(r'\b(du|dein\w*|dich|dir|euch)\b', re.IGNORECASE)
THIRD_PERSON_GROUPS = re.compile(r'#(er|sein|seine|seinen|seinem|seiner|seines|ihm|ihn)/', re.IGNORECASE)

errors = []
notes = []


def fail(where, text):
    errors.append(f'{where}: {text}')


def get_part(group, male):
    if group.startswith('#'):
        group = group[1:]
    if group.endswith('#'):
        group = group[:-1]
    fields = group.split('/')
    index = 0 if male else 1
    return fields[index] if index < len(fields) else ''


def form(template, male, name):
    result, buffer, inside = [], [], False
    for ch in template:
        if ch == '#':
            buffer.append(ch)
            if inside:
                inside = False
                result.append(get_part(''.join(buffer), male))
                buffer = []
            else:
                inside = True
        elif inside:
            buffer.append(ch)
        else:
            result.append(ch)
    text = ''.join(result)
    if name:
        if name.endswith('s') and '_s' in text:
            text = text.replace('_s', "_'")
        text = text.replace('_', name)
    return text


def check_template(where, text, du_form):
    if text != text.strip():
        fail(where, 'blank at start or end')
    if '  ' in text:
        fail(where, 'two blanks in a row')
    if text.count('#') % 2:
        fail(where, 'odd number of #')
    for group in re.findall(r'#([^#]*)#', text):
        if group.count('/') != 1:
            fail(where, f'group #{group}# does not hold exactly one /')
        elif '' in group.split('/') and group.strip('/') == '':
            fail(where, f'empty group #{group}#')
    # "_" is followed by a blank, a comma or the genitive s and a blank.
    for m in re.finditer(r'_(.?)(.?)', text):
        a, b = m.group(1), m.group(2)
        if a in (' ', ',', '') or (a == 's' and b in (' ', ',', '')):
            continue
        fail(where, f'placeholder followed by "{a}{b}"')
    if '_S' in text:
        fail(where, 'placeholder followed by capital S')
    if du_form:
        if not DU_WORDS.search(text):
            fail(where, 'Du form without du/dein/dich/dir')
        if THIRD_PERSON_GROUPS.search(text):
            fail(where, 'Du form holds a third-person group')
    elif DU_WORDS.search(form(text, True, 'Jonas')):
        fail(where, 'Sie form addresses the pupil as du')


def check_formed(where, text, complete):
    if not text:
        fail(where, 'formed text is empty')
        return
    if not (text[0].isupper() or text[0].isdigit()):
        fail(where, f'formed text starts in lower case: {text}')
    if complete and text[-1] not in '.!':
        fail(where, f'formed text does not end with a full stop: {text}')
    if '#' in text or '/' in text.replace('/-', ''):
        fail(where, f'unresolved marker: {text}')


def read_lines(path, min_fields):
    raw = open(path, 'rb').read()
    text = raw.decode('mac_roman')
    if '\r' in text:
        fail(path, 'holds CR line ends')
    lines = text.split('\n')
    if lines and lines[-1] == '':
        lines.pop()
    result = []
    for number, line in enumerate(lines, 1):
        fields = line.split('\t')
        if len(fields) != min_fields:
            fail(f'{os.path.basename(path)}:{number}', f'{len(fields)} fields, want {min_fields}')
            fields += [''] * (min_fields - len(fields))
        result.append((number, fields))
    return result


def check_sentences(path, formed_out):
    lines = read_lines(path, 10)
    groups = []
    prev_key = None
    for number, f in lines:
        key = (f[2], f[8], f[9])
        if prev_key is not None and key == prev_key:
            groups[-1].append((number, f))
        else:
            groups.append([(number, f)])
        prev_key = key
    last_nr = 0
    numbers_per_class = defaultdict(set)
    sections = defaultdict(set)
    supers, mains, subs, ranges = set(), set(), set(), set()
    classes = defaultdict(set)
    for group in groups:
        first_line, f0 = group[0]
        where = f'{os.path.basename(path)}:{first_line}'
        if not 2 <= len(group) <= 4:
            fail(where, f'{len(group)} variants, want 2 to 4')
        for number, f in group:
            w = f'{os.path.basename(path)}:{number}'
            if f[3] != '':
                fail(w, 'field 4 not empty')
            for i in (1, 2, 8, 9):
                if not f[i].isdigit() or f[i] != str(int(f[i])):
                    fail(w, f'field {i + 1} is no plain number: {f[i]!r}')
            if f[:2] + f[4:6] != f0[:2] + f0[4:6]:
                fail(w, 'categories or section differ within the sentence')
            normal = f[0] == 'Normalform'
            if normal and not f[7]:
                fail(w, 'Normalform line without Du form')
            if not normal and f[7]:
                fail(w, 'Du form outside Normalform')
            if not f[6]:
                fail(w, 'empty Sie form')
            check_template(w + ' (Sie)', f[6], False)
            if f[7]:
                check_template(w + ' (Du)', f[7], True)
            for name, male in NAMES:
                for column, label in ((6, 'Sie'), (7, 'Du')):
                    if not f[column]:
                        continue
                    formed = form(f[column], male, name)
                    check_formed(f'{w} ({label}, {name})', formed, True)
                    formed_out.append(formed)
        nr, start, end = int(f0[2]), int(f0[8]), int(f0[9])
        if nr <= last_nr:
            fail(where, f'number {nr} not ascending')
        last_nr = nr
        if not 1 <= start <= end <= 10:
            fail(where, f'bad class range {start}-{end}')
        for g in range(start, end + 1):
            if nr in numbers_per_class[g]:
                fail(where, f'number {nr} used twice for class {g}')
            numbers_per_class[g].add(nr)
        key = (f0[0], f0[4], f0[5], start, end)
        sections[key].add(int(f0[1]))
        supers.add(f0[0])
        mains.add(f0[4])
        subs.add((f0[4], f0[5]))
        ranges.add((start, end))
        classes[f0[0]].update(range(start, end + 1))
    for key, notes_found in sections.items():
        if notes_found != {1, 2, 3, 4, 5}:
            fail(path, f'{key}: sections {sorted(notes_found)}, want 1 to 5')
    for sup, cls in classes.items():
        if sup == 'Normalform' and cls != set(range(1, 11)):
            fail(path, f'Normalform covers classes {sorted(cls)} only')
    variant_lines = len(lines)
    print(f'sentence rows: {len(groups)}, variant lines: {variant_lines}')
    print(f'super-categories: {len(supers)} {sorted(supers)}')
    print(f'main categories: {len(mains)} {sorted(mains)}')
    print(f'sub-categories (main, sub pairs): {len(subs)}, distinct names: {len({s for _, s in subs})}')
    print(f'class ranges: {len(ranges)} {sorted(ranges)}')
    if len(groups) < 300 or len(supers) < 3 or 'Normalform' not in supers or len(mains) < 8:
        fail(path, 'collection smaller than required')


def check_std(path, formed_out):
    lines = read_lines(path, 5)
    cats = {}
    phrases = appendices = 0
    expected_phrase = defaultdict(lambda: 1)
    last = None
    for number, f in lines:
        w = f'{os.path.basename(path)}:{number}'
        cat, katnr, satznr, appnr, text = f
        for v in (katnr, satznr, appnr):
            if not v.isdigit():
                fail(w, f'no number: {v!r}')
        katnr, satznr, appnr = int(katnr or 0), int(satznr or 0), int(appnr or 0)
        if cats.setdefault(cat, katnr) != katnr:
            fail(w, 'category with two numbers')
        check_template(w, text, False)
        if appnr == 0:
            phrases += 1
            if satznr != expected_phrase[cat]:
                fail(w, f'phrase number {satznr}, want {expected_phrase[cat]}')
            expected_phrase[cat] = satznr + 1
            if text.endswith('.'):
                fail(w, 'phrase ends with a full stop')
            last = (cat, satznr, 0, text)
        else:
            appendices += 1
            if last is None or last[0] != cat or last[1] != satznr or last[2] + 1 != appnr:
                fail(w, 'appendix out of order')
            if not text.endswith('.'):
                fail(w, 'appendix does not end with a full stop')
            if text[0].isupper() and not text.startswith(('_', 'Ich', 'Sie ')):
                notes.append(f'{w}: appendix starts in upper case: {text}')
            last = (cat, satznr, appnr, last[3])
        for name, male in NAMES:
            if appnr == 0:
                composed = text + '.'
            else:
                composed = last[3] + ', ' + text
            formed = form(composed, male, name)
            check_formed(f'{w} ({name})', formed, True)
            formed_out.append(formed)
    print(f'standard categories: {len(cats)} {sorted(cats)}, phrases: {phrases}, appendices: {appendices}')
    if len(cats) < 5:
        fail(path, 'fewer than 5 standard categories')


def spell(texts):
    if not shutil.which('hunspell'):
        print('hunspell not installed: spelling not checked')
        return
    words = sorted({w for t in texts for w in re.findall(r"[A-Za-zÄÖÜäöüß]+", t)})
    out = subprocess.run(['hunspell', '-d', 'de_DE', '-l'], input='\n'.join(words),
                         capture_output=True, text=True).stdout.split()
    known = {'Jonas', 'Lena', 'Lenas', 'Tim', 'Tims', 'Klaus'}
    unknown = [w for w in out if w not in known]
    print(f'words unknown to hunspell ({len(unknown)}): {" ".join(unknown)}')


def main():
    args = [a for a in sys.argv[1:] if not a.startswith('--')]
    folder = args[0] if args else os.path.join(os.path.dirname(__file__), '..', 'resources', 'data')
    formed = []
    check_sentences(os.path.join(folder, 'Formulierungen.txt'), formed)
    check_std(os.path.join(folder, 'Standardformulierungen.txt'), formed)
    if '--spell' in sys.argv:
        spell(formed)
    if '--show' in sys.argv:
        print('\n'.join(formed))
    for n in notes:
        print('note:', n)
    for e in errors:
        print('ERROR', e)
    print(f'{len(errors)} errors')
    return 1 if errors else 0


if __name__ == '__main__':
    sys.exit(main())
