#!/usr/bin/env python3
"""Draws the first draft of a stage's five plane grids from a short description of it.

    python3 tools/stage/draft_planes.py STAGE [OUT_DIR]

STAGE is a number with a description below (2 or 3); OUT_DIR defaults to
content/stages/stageSTAGE. It writes far.txt, middle.txt, play.txt, front.txt and
collision.txt there and prints the [water] lines of the basins it dug, for entities.txt.

A description gives the play terrain as a ceiling and a floor profile (rows of solid tile from
the top, first solid row of the floor, by column), flat stretches, water basins, extra masses
and cuts, breakable plugs and a few placed glows; the backgrounds and the dressing (tips,
crystals, lamps, foreground shapes) are laid out from it by seeded rules, so the same
description always gives the same grids. The grids written are the stage's sources from then
on and are edited by hand like any other; run this again only to start a stage's terrain over
(it overwrites the five files).
"""
import math
import os
import sys

H = 20  # rows of every plane


class Rng:
    """Park-Miller, so a draft is the same on every machine."""

    def __init__(self, seed):
        self.s = seed % 2147483647 or 1

    def next(self):
        self.s = self.s * 16807 % 2147483647
        return self.s

    def unit(self):
        return self.next() / 2147483647.0

    def chance(self, p):
        return self.unit() < p

    def between(self, a, b):  # inclusive
        return a + self.next() % (b - a + 1)

    def pick(self, seq):
        return seq[self.next() % len(seq)]


def profile(points, width, stepped=False):
    """Values by column from (column, value) key points: straight lines between them, or held
    until the next point when stepped; the ends are held."""
    out = []
    for c in range(width):
        if c <= points[0][0]:
            out.append(float(points[0][1]))
            continue
        if c >= points[-1][0]:
            out.append(float(points[-1][1]))
            continue
        for (c0, v0), (c1, v1) in zip(points, points[1:]):
            if c0 <= c < c1:
                out.append(float(v0) if stepped else v0 + (v1 - v0) * (c - c0) / (c1 - c0))
                break
    return out


def wobble(rng, width, amplitude, period):
    """Smooth noise: random knots every `period` columns, eased between."""
    knots = [rng.unit() * 2.0 - 1.0 for _ in range(width // period + 2)]
    out = []
    for c in range(width):
        i, f = divmod(c, period)
        t = (1.0 - math.cos(math.pi * f / period)) / 2.0
        out.append(amplitude * (knots[i] * (1.0 - t) + knots[i + 1] * t))
    return out


class Grid:
    def __init__(self, width, fill='.'):
        self.w = width
        self.rows = [[fill] * width for _ in range(H)]

    def get(self, c, r):
        if 0 <= c < self.w and 0 <= r < H:
            return self.rows[r][c]
        return None

    def set(self, c, r, ch):
        if 0 <= c < self.w and 0 <= r < H:
            self.rows[r][c] = ch

    def fill(self, c0, c1, r0, r1, ch):  # columns c0..c1-1, rows r0..r1-1
        for r in range(max(r0, 0), min(r1, H)):
            for c in range(max(c0, 0), min(c1, self.w)):
                self.rows[r][c] = ch

    def text(self):
        return ''.join(''.join(row) + '\n' for row in self.rows)


# ---------------------------------------------------------------------------------------------
# The play terrain


def in_any(c, ranges):
    return any(c0 <= c < c1 for c0, c1 in ranges)


def build_terrain(d, rng):
    w = d['width']
    ceiling = profile(d['ceiling'], w, d.get('stepped', False))
    floor = profile(d['floor'], w, d.get('stepped', False))
    if d.get('rough', 0):
        cw = wobble(rng, w, d['rough'], d.get('rough_period', 5))
        fw = wobble(rng, w, d['rough'], d.get('rough_period', 5))
        ceiling = [v + cw[c] for c, v in enumerate(ceiling)]
        floor = [v + fw[c] for c, v in enumerate(floor)]
    ceiling = [int(round(v)) for v in ceiling]
    floor = [int(round(v)) for v in floor]
    for c0, c1, which, row in d.get('flats', []):
        for c in range(c0, c1):
            (floor if which == 'floor' else ceiling)[c] = row
    water = []
    for b in d.get('basins', []):
        c0, c1, surface, bottom, rim = b['cols'][0], b['cols'][1], b['surface'], b['bottom'], b['rim']
        for c in range(c0, c1):
            floor[c] = bottom
        for c in list(range(c0 - b.get('rim_width', 2), c0)) + list(range(c1, c1 + b.get('rim_width', 2))):
            floor[c] = min(floor[c], rim)
        water.append((c0, c1, surface, bottom))

    play = Grid(w)
    for c in range(w):
        for r in range(H):
            if r < ceiling[c] or r >= floor[c]:
                play.set(c, r, d['rock'])
    for c0, c1, r0, r1, ch in d.get('masses', []):
        play.fill(c0, c1, r0, r1, ch)
    for c0, c1, step, width, where, depth in d.get('ribs', []):  # armour ribs along a corridor
        for c in range(c0, c1, step):
            for i in range(width):
                if where == 'ceiling':
                    play.fill(c + i, c + i + 1, ceiling[c + i], ceiling[c + i] + depth, d['rock'])
                else:
                    play.fill(c + i, c + i + 1, floor[c + i] - depth, floor[c + i], d['rock'])
    for cx, cy, rx, ry, ch in d.get('blobs', []):
        for r in range(H):
            for c in range(int(cx - rx) - 1, int(cx + rx) + 2):
                if ((c + 0.5 - cx) / rx) ** 2 + ((r + 0.5 - cy) / ry) ** 2 <= 1.0:
                    play.set(c, r, ch)
    for c0, c1, r0, r1 in d.get('cuts', []):
        play.fill(c0, c1, r0, r1, '.')
    # The skin of a mass next to open space in the surface material, the rest in the deep one.
    if d.get('skin'):
        solid = set('#M')
        for r in range(H):
            for c in range(w):
                if play.get(c, r) in solid:
                    near_open = any(play.get(c + dc, r + dr) == '.' for dc in (-1, 0, 1) for dr in (-1, 0, 1)
                                    if play.get(c + dc, r + dr) is not None)
                    play.set(c, r, d['skin'] if near_open else d['rock'])
    for c0, c1, r0, r1, ch in d.get('dressing', []):  # solid girders and pipes set in the terrain
        play.fill(c0, c1, r0, r1, ch)

    collision = Grid(w)
    for r in range(H):
        for c in range(w):
            if play.get(c, r) != '.':
                collision.set(c, r, '#')
    for c0, c1, r0, r1 in d.get('breakables', []):  # the open tiles of the block turn brittle
        for r in range(r0, r1):
            for c in range(c0, c1):
                if play.get(c, r) == '.':
                    collision.set(c, r, 'X')
    return play, collision, water


def water_tile(c, r, water):
    for c0, c1, surface, bottom in water:
        if c0 <= c < c1 and surface <= r * 30 + 29 and r < bottom:
            return True
    return False


def dress_play(d, play, collision, water, rng):
    """Tips under the ceilings and on the floors, left open in the collision plane."""
    tips = d.get('tips', {})
    down, up = tips.get('down', 0.0), tips.get('up', 0.0)
    for c in range(play.w):
        if in_any(c, tips.get('bare', [])):
            continue
        for r in range(1, H - 1):
            here, above, below = play.get(c, r), play.get(c, r - 1), play.get(c, r + 1)
            if here != '.' or collision.get(c, r) != '.':
                continue
            if above in ('#', 'M') and below == '.' and not water_tile(c, r, water) and rng.chance(down):
                play.set(c, r, rng.pick('vvw'))
            elif below in ('#', 'M') and above == '.' and rng.chance(up):
                play.set(c, r, '^')


# ---------------------------------------------------------------------------------------------
# The foreground: dark shapes at the edges, and glows


def surface_tiles(play, c):
    """The rows of the solid tiles of column c that face open space above or below."""
    tops, bottoms = [], []
    for r in range(H):
        if play.get(c, r) in ('#', 'M'):
            if r > 0 and play.get(c, r - 1) not in ('#', 'M'):
                tops.append(r)
            if r < H - 1 and play.get(c, r + 1) not in ('#', 'M'):
                bottoms.append(r)
    return tops, bottoms


def build_front(d, play, collision, water, rng):
    w = play.w
    front = Grid(w)
    f = d.get('front', {})
    ceiling = [0] * w
    floor = [H] * w
    for c in range(w):
        r = 0
        while r < H and play.get(c, r) in ('#', 'M'):
            r += 1
        ceiling[c] = r
        r = H - 1
        while r >= 0 and play.get(c, r) in ('#', 'M'):
            r -= 1
        floor[c] = r + 1
    # Dark masses rising from the floor and hanging from the ceiling, clear of the water.
    for c0, width, where in f.get('masses', []):
        for i in range(width):
            c = c0 + i
            if c >= w:
                break
            hump = 1 + (1 if 0 < i < width - 1 else 0) + (1 if width > 4 and 1 < i < width - 2 else 0)
            if where == 'bottom':
                front.fill(c, c + 1, floor[c] - hump + 1, H, '%')
            else:
                front.fill(c, c + 1, 0, ceiling[c] + hump - 1, '%')
                if 0 < i < width - 1 and rng.chance(0.5):
                    front.set(c, ceiling[c] + hump - 1, 'Y')
    for c in f.get('struts', []):  # dark girders across the whole height
        front.fill(c, c + 1, 0, H, 'I')
    # Glows on the rock faces.
    crystals = f.get('crystals', 0.0)
    for c in range(w):
        if in_any(c, f.get('bare', [])):
            continue
        tops, bottoms = surface_tiles(play, c)
        for r in tops + bottoms:
            if front.get(c, r) == '.' and rng.chance(crystals):
                front.set(c, r, '*')
    strip = f.get('floor_strips', [])
    for c0, c1 in strip:
        for c in range(c0, c1, 2):
            r = floor[c]
            if r < H and front.get(c, r) == '.':
                front.set(c, r, '~')
    for c0, c1 in f.get('ceiling_strips', []):
        for c in range(c0, c1, 2):
            r = ceiling[c] - 1
            if r >= 0 and front.get(c, r) == '.':
                front.set(c, r, '~')
    for c0, c1, step, ch in f.get('under_ceiling', []):  # floodlights, beacons
        for c in range(c0, c1, step):
            r = ceiling[c]
            if r < H and play.get(c, r) == '.':
                front.set(c, r, ch)
    for c0, c1, step, ch in f.get('on_floor', []):  # lamps standing on the floor
        for c in range(c0, c1, step):
            r = floor[c] - 1
            if r >= 0 and play.get(c, r) == '.':
                front.set(c, r, ch)
    for c, r, ch in f.get('placed', []):
        front.set(c, r, ch)
    # Breakable tiles show themselves in the front plane at load.
    for r in range(H):
        for c in range(w):
            if collision.get(c, r) == 'X':
                front.set(c, r, '.')
    return front


# ---------------------------------------------------------------------------------------------
# The backgrounds


def band(grid, rng, width, top_points, bottom_points, rough, ch, period):
    top = profile(top_points, width)
    bottom = profile(bottom_points, width)
    tw = wobble(rng, width, rough, period)
    bw = wobble(rng, width, rough, period)
    tops, bottoms = [], []
    for c in range(width):
        t = max(0, int(round(top[c] + tw[c])))
        b = min(H, int(round(bottom[c] + bw[c])))
        grid.fill(c, c + 1, 0, t, ch)
        grid.fill(c, c + 1, b, H, ch)
        tops.append(t)
        bottoms.append(b)
    return tops, bottoms


def tips_on(grid, rng, tops, bottoms, solid, down_ch, up_ch, p_down, p_up):
    for c in range(grid.w):
        t, b = tops[c], bottoms[c]
        if 0 < t < H and grid.get(c, t) == '.' and grid.get(c, t - 1) == solid and rng.chance(p_down):
            grid.set(c, t, down_ch)
        if 0 < b < H and grid.get(c, b - 1) == '.' and grid.get(c, b) == solid and rng.chance(p_up):
            grid.set(c, b - 1, up_ch)


def scatter(grid, rng, rows, p, ch):
    for c in range(grid.w):
        for r in range(rows[0], rows[1]):
            if grid.get(c, r) == '.' and rng.chance(p):
                grid.set(c, r, ch)


def tower(grid, rng, c0, width, top, bottom, body, window, p_window):
    """A block of building with bands of windows on every other floor, some of them lit."""
    grid.fill(c0, c0 + width, top, bottom, body)
    for r in range(top + 1, bottom, 2):
        for c in range(c0 + 1, c0 + width - 1):
            if rng.chance(p_window):
                grid.set(c, r, window)


def build_far(d, rng):
    w = d['width']
    b = d['far']
    far = Grid(w)
    tops, bottoms = band(far, rng, w, b['top'], b['bottom'], b.get('rough', 1.2), '#', b.get('period', 6))
    for c0, width, top in b.get('buildings', []):
        tower(far, rng, c0, width, top, bottoms[min(c0, w - 1)] + 1, 'm', 'w', b.get('windows', 0.15))
    tips_on(far, rng, tops, bottoms, '#', 'v', '^', b.get('hang', 0.3), b.get('spires', 0.08))
    scatter(far, rng, (2, 16), b.get('lights', 0.015), '*')
    return far


def build_middle(d, rng):
    w = d['width']
    m = d['middle']
    mid = Grid(w)
    tops, bottoms = band(mid, rng, w, m['top'], m['bottom'], m.get('rough', 1.0), '@', m.get('period', 6))
    for c0, width, kind in m.get('pillars', []):
        # A cave column from roof to floor, flared where it meets them and waisted between, or
        # a broken one: its two halves end in points with a gap between.
        for r in range(H):
            ends = min(abs(r - tops[c0]), abs(bottoms[c0] - 1 - r))
            left = c0 + (1 if ends > 2 and rng.chance(0.5) else 0) - (1 if ends < 2 else 0)
            right = c0 + width - (1 if ends > 3 and width > 2 and rng.chance(0.5) else 0) + (1 if ends < 1 else 0)
            if kind == 'broken' and 6 <= r <= 11:
                continue
            mid.fill(left, right, r, r + 1, '@')
        if kind == 'broken':
            for c in range(c0, c0 + width):
                if mid.get(c, 5) == '@' and rng.chance(0.7):
                    mid.set(c, 6, 'V')
                if mid.get(c, 12) == '@' and rng.chance(0.7):
                    mid.set(c, 11, 'A')
    for c0, width, top, windows in m.get('towers', []):
        tower(mid, rng, c0, width, top, H, 'M', 'W', windows)
        if mid.get(c0 + width // 2, top - 1) == '.':
            mid.set(c0 + width // 2, top - 1, 'o')
    for c0, c1, r, ch in m.get('runs', []):  # girders, pipes, strip lights across open space
        for c in range(c0, c1):
            if mid.get(c, r) == '.':
                mid.set(c, r, ch)
    for c, r0, r1, ch in m.get('drops', []):  # vertical struts and pipes
        for r in range(r0, r1):
            if mid.get(c, r) == '.':
                mid.set(c, r, ch)
    for c, r, ch in m.get('placed', []):
        mid.set(c, r, ch)
    tips_on(mid, rng, tops, bottoms, '@', 'V', 'A', m.get('hang', 0.3), m.get('spires', 0.06))
    return mid


# ---------------------------------------------------------------------------------------------
# The stages

STAGES = {
    # Flooded caverns. The camera starts at y 60, sinks to 120 over the lakes (columns 85..140)
    # and climbs to 0 for the high gallery (columns 185 on); see entities.txt.
    2: {
        'width': 240,
        'seed': 2024,
        'rock': '#',
        'rough': 0.7,
        'rough_period': 4,
        'ceiling': [(0, 4), (14, 4), (22, 5), (30, 4), (44, 4), (56, 5), (72, 5), (86, 6), (96, 7),
                    (106, 6), (114, 7), (122, 7), (134, 6), (146, 5), (158, 4), (172, 3), (186, 2),
                    (200, 2), (214, 2), (240, 2)],
        'floor': [(0, 16), (14, 16), (40, 16), (48, 15), (74, 15), (80, 14), (84, 12), (140, 13),
                  (146, 15), (156, 15), (168, 13), (186, 13), (194, 12), (220, 13), (240, 13)],
        'flats': [(18, 34, 'floor', 16), (220, 237, 'floor', 13), (110, 132, 'ceiling', 7)],
        'basins': [
            {'cols': (57, 70), 'surface': 465, 'bottom': 18, 'rim': 15},
            {'cols': (88, 113), 'surface': 390, 'bottom': 19, 'rim': 12, 'rim_width': 3},
            {'cols': (118, 137), 'surface': 390, 'bottom': 19, 'rim': 12, 'rim_width': 3},
            {'cols': (198, 215), 'surface': 375, 'bottom': 16, 'rim': 12},
        ],
        'masses': [
            (113, 118, 11, 20, 'M'),  # the drowned pump station between the two lakes
            (160, 168, 0, 7, '#'),    # the narrows: roof and floor close in on the plug
            (160, 168, 11, 20, '#'),
        ],
        'blobs': [
            (42.5, 15.0, 3.0, 2.2, '#'),   # a mound before the first lake
            (126.0, 8.2, 3.2, 2.3, '#'),   # a hanging lobe over the second lake
            (150.0, 16.0, 4.0, 2.0, '#'),  # a boulder on the ledges
            (178.0, 2.5, 3.0, 2.2, '#'),   # a roof lobe before the high gallery
        ],
        'cuts': [
            (99, 102, 3, 8),    # the crack the first waterfall pours from
            (205, 208, 1, 3),   # and the second
        ],
        'breakables': [(163, 164, 0, 20)],  # a plug of brittle rock in the narrows
        'tips': {'down': 0.4, 'up': 0.18, 'bare': [(98, 103), (204, 209), (161, 167)]},
        'front': {
            'masses': [(6, 5, 'bottom'), (24, 6, 'top'), (46, 5, 'bottom'), (76, 4, 'top'),
                       (146, 5, 'bottom'), (152, 5, 'top'), (182, 6, 'top'),
                       (188, 5, 'bottom'), (226, 6, 'top'), (232, 5, 'bottom')],
            'crystals': 0.07,
            'bare': [(98, 103), (204, 209)],
            'placed': [(114, 10, 'o'), (116, 10, 'r'), (115, 12, '~'), (113, 12, '~'), (117, 12, '~')],
        },
        'far': {
            'top': [(0, 3), (20, 5), (40, 3), (60, 4), (80, 6), (100, 3), (125, 5), (150, 3),
                    (175, 5), (200, 3), (240, 4)],
            'bottom': [(0, 13), (25, 11), (45, 14), (65, 12), (90, 10), (110, 13), (130, 11),
                       (150, 14), (175, 12), (200, 13), (240, 11)],
            'rough': 2.0,
            'period': 4,
            'buildings': [(70, 4, 9), (104, 3, 8), (160, 5, 9)],
            'windows': 0.12,
            'lights': 0.02,
            'hang': 0.4,
            'spires': 0.12,
        },
        'middle': {
            'top': [(0, 2), (60, 3), (100, 4), (160, 2), (240, 2)],
            'bottom': [(0, 17), (40, 16), (80, 17), (110, 16), (150, 17), (190, 16), (240, 17)],
            'rough': 1.2,
            'pillars': [(26, 2, 'broken'), (62, 3, 'whole'), (104, 2, 'broken'), (139, 3, 'whole'),
                        (178, 2, 'broken'), (214, 3, 'whole')],
            'runs': [(29, 44, 10, '-'), (86, 101, 12, '-'), (142, 156, 5, '-')],
            'drops': [(37, 10, 16, '!'), (93, 12, 16, '!'), (150, 5, 16, '!')],
            'placed': [(37, 9, 'o'), (93, 11, 'o'), (150, 4, 'o')],
            'hang': 0.35,
            'spires': 0.08,
        },
    },

    # The machine fortress. The camera starts low (y 120) in the hangar, climbs to 0 for the
    # gun deck (columns 100..144), and sinks to 120 again for the reactor hall (from column
    # 184); see entities.txt.
    3: {
        'width': 240,
        'seed': 3033,
        'rock': '#',
        'skin': 'M',
        'stepped': True,
        'ceiling': [(0, 6), (20, 5), (32, 6), (50, 5), (70, 4), (80, 3), (90, 2), (116, 3), (122, 2),
                    (142, 3), (150, 4), (158, 5), (170, 6), (186, 5), (240, 5)],
        'floor': [(0, 17), (24, 16), (30, 17), (42, 16), (48, 17), (56, 16), (62, 15), (78, 14),
                  (90, 13), (108, 14), (124, 13), (140, 14), (148, 15), (156, 16), (164, 17),
                  (174, 18), (240, 18)],
        'ribs': [(2, 60, 8, 1, 'ceiling', 1), (96, 142, 9, 2, 'ceiling', 1),
                 (190, 238, 12, 2, 'ceiling', 1), (186, 238, 16, 1, 'floor', 1)],
        'masses': [
            (36, 40, 6, 9, '#'),      # a bulkhead hanging into the hangar
            (88, 92, 9, 13, '#'),     # a gun pylon on the deck
            (130, 133, 2, 6, '#'),    # a bulkhead lip over the deck
            (196, 200, 5, 9, '#'),    # the reactor's upper shielding
            (212, 216, 14, 18, '#'),  # and its lower block
        ],
        'dressing': [
            (8, 20, 15, 16, '='),     # a gantry over the hangar floor
            (52, 56, 12, 13, '='),    # a catwalk at the foot of the climb
            (104, 110, 12, 13, '-'),  # coolant pipe along the deck
            (178, 186, 16, 17, '-'),
            (222, 232, 15, 16, '='),
        ],
        'breakables': [(150, 151, 0, 20), (226, 227, 0, 20)],  # armoured shutters to shoot through
        'tips': {'down': 0.04, 'up': 0.0},
        'front': {
            'masses': [(12, 5, 'top'), (44, 6, 'bottom'), (83, 5, 'top'), (118, 6, 'bottom'),
                       (160, 5, 'top'), (204, 6, 'bottom'), (234, 5, 'top')],
            'struts': [58, 127, 191],
            'crystals': 0.0,
            'floor_strips': [(0, 12), (96, 104), (186, 196)],
            'ceiling_strips': [(62, 78), (200, 212)],
            'under_ceiling': [(5, 60, 9, 'U'), (81, 122, 7, 'r'), (136, 150, 7, 'U'),
                              (174, 240, 8, 'U')],
            'on_floor': [(26, 52, 8, 'o'), (112, 124, 6, 'r'), (218, 240, 10, 'o')],
            'placed': [],
        },
        'far': {
            'top': [(0, 1), (240, 1)],
            'bottom': [(0, 15), (40, 14), (80, 16), (120, 14), (160, 15), (240, 14)],
            'rough': 0.6,
            'buildings': [(4, 5, 10), (16, 4, 12), (28, 6, 9), (44, 4, 11), (56, 7, 10), (72, 4, 12),
                          (84, 5, 9), (98, 4, 11), (110, 6, 12), (124, 5, 9), (138, 4, 11),
                          (150, 7, 10), (166, 4, 12), (180, 5, 9), (196, 6, 11), (212, 4, 12),
                          (226, 7, 9)],
            'windows': 0.25,
            'lights': 0.012,
            'hang': 0.1,
            'spires': 0.12,
        },
        'middle': {
            'top': [(0, 2), (240, 2)],
            'bottom': [(0, 17), (60, 16), (120, 17), (180, 16), (240, 17)],
            'rough': 0.4,
            'towers': [(8, 3, 11, 0.5), (30, 3, 12, 0.4), (50, 4, 10, 0.5), (74, 3, 11, 0.5),
                       (98, 4, 10, 0.4), (122, 3, 11, 0.5), (146, 4, 10, 0.4), (170, 3, 12, 0.5),
                       (194, 4, 10, 0.4), (218, 3, 11, 0.5)],
            'runs': [(11, 30, 15, '='), (33, 50, 4, '-'), (54, 74, 15, '='), (77, 98, 4, '-'),
                     (102, 122, 15, '='), (125, 146, 4, '-'), (150, 170, 15, '='),
                     (173, 194, 4, '-'), (198, 218, 15, '='), (221, 240, 4, '-')],
            'drops': [(20, 3, 12, '|'), (62, 3, 11, '!'), (110, 3, 10, '|'), (158, 3, 11, '!'),
                      (206, 3, 10, '|')],
            'hang': 0.12,
            'spires': 0.0,
        },
    },
}


def check(play, collision):
    """The ship's way is never closed: four open or breakable rows in every column, and all
    drawn terrain is solid."""
    for c in range(play.w - 4):
        run = best = 0
        for r in range(H):
            run = run + 1 if collision.get(c, r) in ('.', 'X') else 0
            best = max(best, run)
        if best < 4:
            sys.exit(f'draft_planes: column {c} is closed')
    for r in range(H):
        for c in range(play.w):
            if play.get(c, r) in ('#', 'M', '%', '=', '|', '-', '!') and collision.get(c, r) != '#':
                sys.exit(f'draft_planes: column {c} row {r} is drawn but not solid')


def main():
    if len(sys.argv) not in (2, 3) or not sys.argv[1].isdigit() or int(sys.argv[1]) not in STAGES:
        sys.exit('usage: draft_planes.py STAGE [OUT_DIR]   (STAGE: ' + ', '.join(map(str, STAGES)) + ')')
    number = int(sys.argv[1])
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out = sys.argv[2] if len(sys.argv) == 3 else os.path.join(root, 'content', 'stages', f'stage{number}')
    d = STAGES[number]
    rng = Rng(d['seed'])
    play, collision, water = build_terrain(d, rng)
    dress_play(d, play, collision, water, rng)
    check(play, collision)
    front = build_front(d, play, collision, water, rng)
    build_far(d, rng)  # still drawn, so the random draws after it stay as they were
    far = Grid(d['width'], ',')  # the far plane is the painted backdrop, one scene in every cell
    middle = build_middle(d, rng)
    for name, grid in (('far', far), ('middle', middle), ('play', play), ('front', front),
                       ('collision', collision)):
        with open(os.path.join(out, name + '.txt'), 'w', newline='\n') as f:
            f.write(grid.text())
    print('[water]')
    print('# centre-x  centre-y  half-width  half-height')
    for c0, c1, surface, bottom in water:
        left, right, bottom_y = 30 * c0, 30 * c1, 30 * bottom
        print(f'{(left + right) / 2:g} {(surface + bottom_y) / 2:g} {(right - left) / 2:g} {(bottom_y - surface) / 2:g}')


if __name__ == '__main__':
    main()
