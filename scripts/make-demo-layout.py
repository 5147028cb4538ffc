#!/usr/bin/env python3
"""Writes the demo catalog's printout layout (A4 portrait) as an INI file.

Usage: scripts/make-demo-layout.py [output]
Default output: data/installation/PrintoutLayouts/OstrelDemo_A4.lay

Edit the tables below and run the script again; the .lay file is committed
beside it. Units are hundredths of a millimetre. The printable page area of
A4 is 18000 wide and 27700 high (20 mm left, 10 mm top and right margins);
the inclination page is drawn rotated, so its tables are laid out in
landscape (27000 wide).
"""

import os
import sys

# --- styles -------------------------------------------------------------

GREY = 0xFF4C4C4C
BLACK = 0xFF000000
DARK = 0xFF202020

# Qt alignment bits
LEFT, RIGHT, HCENTER = 1, 2, 4
TOP, BOTTOM, VCENTER = 32, 64, 128

# Qt pen styles
NONE, SOLID, DASH, DOT = 0, 1, 2, 3

# Link types
NO_LINK, VALUE, CODE, CAPTION = 0, 1, 2, 3

# Field ids of the data object queries
CLIENT, OFFICER, CONTRACTOR = 1000000, 1000010, 1000020   # + property id 1..10
PROJECT_NAME, PROJECT_CREATED, PROJECT_MODIFIED, CATALOG_NAME = 1000031, 1000032, 1000033, 1000034
SECTION_NAME, SECTION_LENGTH, SECTION_INCLINATION_FILE = 1001100, 1001101, 1001102


def section_property(pid):
    return 1001102 + pid


def event_property(pid):
    return 1002006 + pid


EVENT_TEXT, EVENT_CODE, EVENT_IMAGE, EVENT_IMAGE2 = 1002000, 1002001, 1002002, 1002003
EVENT_VIDEO, EVENT_TIME, EVENT_POSITION = 1002004, 1002005, 1002006
EVENT_DAMAGE_CLASS = event_property(200001)

# Section properties of the demo standard
START_NODE, END_NODE, SECTION_NUMBER, DIRECTION = 1, 2, 3, 4
SHAPE, DIAMETER, HEIGHT, MATERIAL, JOINT_SPACING = 5, 6, 7, 8, 10
LOCATION, DATE, TIME, OPERATOR, VEHICLE, CAMERA, WEATHER, PURPOSE = 13, 18, 19, 20, 21, 22, 23, 24
STREET, CITY, DISTRICT, YEAR, USE, REMARKS = 29, 30, 31, 35, 36, 40
START_ALTITUDE, END_ALTITUDE = 61, 62

FRAME = [(30, SOLID)] * 4                       # left, top, right, bottom
NO_FRAME = [(30, NONE)] * 4
UNDERLINE = [(30, NONE), (30, NONE), (30, NONE), (30, SOLID)]
OVERLINE = [(30, NONE), (30, SOLID), (30, NONE), (30, NONE)]
DOTTED_UNDERLINE = [(30, NONE), (30, NONE), (30, NONE), (10, DOT)]


def cell(width, field=0, link=NO_LINK, font=18, align=LEFT | VCENTER, color=GREY, borders=FRAME):
    return dict(width=width, id=field, link=link, font=font, align=align, color=color, borders=borders)


def caption(width, field, **kw):
    kw.setdefault('font', 16)
    return cell(width, field, CAPTION, **kw)


def value(width, field, **kw):
    return cell(width, field, VALUE, **kw)


def labeled(width, field, **kw):
    """A cell of a table filled in labeled mode: caption above, value below."""
    kw.setdefault('align', LEFT | BOTTOM)
    return cell(width, field, VALUE, **kw)


def row(height, *cells):
    return dict(height=height, cells=list(cells))


def table(width, *rows):
    return dict(kind='table', width=width, rows=list(rows))


# --- tables ---------------------------------------------------------------

PAGE_WIDTH = 18000
LANDSCAPE_WIDTH = 27000

# Page headers: the first cell holds the logo (top left), the title (bottom,
# centred) and the logo text (top right); the second row names the object.
project_page_header = table(
    PAGE_WIDTH,
    row(1800, cell(PAGE_WIDTH)),
    row(900,
        labeled(5200, PROJECT_NAME),
        labeled(6000, CLIENT + 1),
        labeled(4400, CONTRACTOR + 1),
        labeled(2400, PROJECT_CREATED)))


# The three address blocks side by side, each under its own heading (the
# caption of the block's name field: customer, project leader, contractor).
ADDRESS_CAPTION, ADDRESS_VALUE, ADDRESS_GAP = 2300, 3500, 300
ADDRESS_BLOCK = ADDRESS_CAPTION + ADDRESS_VALUE


def address_blocks(make_cells, height):
    cells = []
    for i, base in enumerate((CLIENT, OFFICER, CONTRACTOR)):
        if i:
            cells.append(cell(ADDRESS_GAP, borders=NO_FRAME))
        cells.extend(make_cells(base))
    return row(height, *cells)


def address_row(pid):
    # Names, departments and e-mail addresses may need two lines.
    height = 900 if pid in (3, 10) else 650
    return address_blocks(lambda base: [
        caption(ADDRESS_CAPTION, base + pid, borders=DOTTED_UNDERLINE),
        value(ADDRESS_VALUE, base + pid, borders=DOTTED_UNDERLINE)], height)


project_info = table(
    PAGE_WIDTH,
    row(900, caption(4500, PROJECT_NAME, borders=UNDERLINE),
        value(13500, PROJECT_NAME, font=24, color=DARK, borders=UNDERLINE)),
    row(700, caption(4500, CATALOG_NAME, borders=DOTTED_UNDERLINE),
        value(13500, CATALOG_NAME, borders=DOTTED_UNDERLINE)),
    row(700, caption(4500, PROJECT_CREATED, borders=DOTTED_UNDERLINE),
        value(4500, PROJECT_CREATED, borders=DOTTED_UNDERLINE),
        caption(4500, PROJECT_MODIFIED, borders=DOTTED_UNDERLINE),
        value(4500, PROJECT_MODIFIED, borders=DOTTED_UNDERLINE)),
    row(1000),
    address_blocks(lambda base: [caption(ADDRESS_BLOCK, base + 1, font=20, color=DARK, borders=UNDERLINE)], 800),
    address_blocks(lambda base: [value(ADDRESS_BLOCK, base + 1, font=20, color=DARK, borders=NO_FRAME)], 1100),
    *[address_row(pid) for pid in range(2, 11)])

table_of_contents = table(
    PAGE_WIDTH,
    row(750, cell(15000, font=20, borders=DOTTED_UNDERLINE),
        cell(3000, font=20, align=RIGHT | VCENTER, borders=DOTTED_UNDERLINE)))

LIST_COLUMNS = [1500, 3500, 3000, 4000, 2000, 2000, 2000]
LIST_ALIGN = [LEFT, LEFT, LEFT, LEFT, RIGHT, RIGHT, RIGHT]
LIST_FIELDS = [section_property(SECTION_NUMBER), SECTION_NAME, section_property(CITY),
               section_property(STREET), SECTION_LENGTH, SECTION_LENGTH, section_property(DATE)]


def list_row(borders, font, link):
    return row(600, *[cell(w, f if link else 0, link, font=font, align=a | VCENTER, borders=borders)
                      for w, a, f in zip(LIST_COLUMNS, LIST_ALIGN, LIST_FIELDS)])


# Template rows: 0 captions, 1 data rows, 2 the total row.
section_list = table(
    PAGE_WIDTH,
    list_row(UNDERLINE, 16, CAPTION),
    list_row(DOTTED_UNDERLINE, 18, VALUE),
    list_row(OVERLINE, 18, NO_LINK))

# One row per damage class: its text from the printout data, then a key in
# the class colour with the class value on it. Two spare rows take classes
# that a later edition of the standard may add.
LEGEND_KEY = 2000
damage_class_legend = table(
    PAGE_WIDTH,
    *[row(800, cell(PAGE_WIDTH - LEGEND_KEY, font=20, borders=DOTTED_UNDERLINE),
          cell(LEGEND_KEY, font=20, align=HCENTER | VCENTER, borders=FRAME)) for _ in range(8)])

section_page_header = table(
    PAGE_WIDTH,
    row(1800, cell(PAGE_WIDTH)),
    row(900,
        labeled(3600, section_property(SECTION_NUMBER)),
        labeled(3600, section_property(START_NODE)),
        labeled(3600, section_property(END_NODE)),
        labeled(3600, section_property(STREET)),
        labeled(3600, section_property(DATE))))

section_header = table(
    PAGE_WIDTH,
    row(900,
        labeled(3600, SECTION_NAME), labeled(3600, section_property(START_NODE)),
        labeled(3600, section_property(END_NODE)), labeled(3600, section_property(DIRECTION)),
        labeled(3600, SECTION_LENGTH)),
    row(900,
        labeled(5400, section_property(STREET)), labeled(3600, section_property(CITY)),
        labeled(3600, section_property(DISTRICT)), labeled(5400, section_property(LOCATION))),
    row(900,
        labeled(3600, section_property(SHAPE)), labeled(3600, section_property(DIAMETER)),
        labeled(3600, section_property(HEIGHT)), labeled(3600, section_property(MATERIAL)),
        labeled(3600, section_property(JOINT_SPACING))),
    row(900,
        labeled(3000, section_property(DATE)), labeled(3000, section_property(TIME)),
        labeled(3000, section_property(OPERATOR)), labeled(3000, section_property(VEHICLE)),
        labeled(3000, section_property(CAMERA)), labeled(3000, section_property(WEATHER))),
    row(900,
        labeled(3600, section_property(PURPOSE)), labeled(3600, section_property(USE)),
        labeled(3600, section_property(YEAR)), labeled(3600, section_property(START_ALTITUDE)),
        labeled(3600, section_property(END_ALTITUDE))),
    row(900, labeled(PAGE_WIDTH, section_property(REMARKS))))

# One photo per page: the photo fills the first cell; "Photo File" and the
# file name go into the first two cells of the second row.
big_picture = table(
    PAGE_WIDTH,
    row(13000, cell(PAGE_WIDTH)),
    row(700, cell(3000, font=16), cell(6000),
        caption(3000, EVENT_POSITION), value(6000, EVENT_POSITION)),
    row(700, caption(3000, EVENT_CODE), value(6000, EVENT_CODE),
        caption(3000, EVENT_TIME), value(6000, EVENT_TIME)),
    row(1400, caption(3000, EVENT_TEXT, align=LEFT | TOP), value(15000, EVENT_TEXT, align=LEFT | TOP)))

# Three photos per page: the photo takes the first column over the whole
# table height; "Photo File" and the file name go into the third and fourth
# cells of the first row.
PHOTO_COLUMN = 9000
small_picture = table(
    PAGE_WIDTH,
    row(800, cell(PHOTO_COLUMN, borders=[(30, SOLID), (30, SOLID), (30, SOLID), (30, NONE)]),
        value(2000, EVENT_POSITION), cell(2500, font=16), cell(4500)),
    row(800, cell(PHOTO_COLUMN, borders=[(30, SOLID), (30, NONE), (30, SOLID), (30, NONE)]),
        caption(3000, EVENT_CODE), value(6000, EVENT_CODE)),
    row(800, cell(PHOTO_COLUMN, borders=[(30, SOLID), (30, NONE), (30, SOLID), (30, NONE)]),
        caption(3000, EVENT_TIME), value(6000, EVENT_TIME)),
    row(4600, cell(PHOTO_COLUMN, borders=[(30, SOLID), (30, NONE), (30, SOLID), (30, SOLID)]),
        caption(3000, EVENT_TEXT, align=LEFT | TOP), value(6000, EVENT_TEXT, align=LEFT | TOP)))

# Event table: its first row is the template of the caption row and of every
# event row. The first column is the scale column that the section graphic
# and the position indicator are drawn over (circle diameter + the three
# indicator widths = 3000).
CIRCLE = 600
INDICATOR = (300, 1500, 600)
SCALE_COLUMN = CIRCLE + sum(INDICATOR)
# Every cell is top-aligned: an event row is as high as the distance to the
# next row, and its first line is where the connector line ends.
event = table(
    PAGE_WIDTH,
    row(700,
        cell(SCALE_COLUMN, font=16, align=LEFT | TOP, borders=NO_FRAME),
        value(1600, EVENT_POSITION, font=16, align=RIGHT | TOP, borders=DOTTED_UNDERLINE),
        cell(700, EVENT_DAMAGE_CLASS, CODE, font=16, align=HCENTER | TOP, borders=DOTTED_UNDERLINE),
        value(1300, EVENT_CODE, font=16, align=LEFT | TOP, borders=DOTTED_UNDERLINE),
        value(7400, EVENT_TEXT, font=16, align=LEFT | TOP, borders=DOTTED_UNDERLINE),
        value(1800, EVENT_TIME, font=16, align=HCENTER | TOP, borders=DOTTED_UNDERLINE),
        value(2200, EVENT_IMAGE, font=16, align=LEFT | TOP, borders=DOTTED_UNDERLINE)))

no_events = table(
    PAGE_WIDTH,
    row(700, cell(SCALE_COLUMN, borders=NO_FRAME),
        cell(PAGE_WIDTH - SCALE_COLUMN, font=18, align=HCENTER | VCENTER, borders=DOTTED_UNDERLINE)))

# Inclination page (landscape): header, grid below it, legend below the grid.
INCLINATION_HEADER_HEIGHT = 1800
GRID_HEIGHT = 14000
inclination_header = table(
    LANDSCAPE_WIDTH,
    row(900,
        labeled(4000, section_property(SECTION_NUMBER)), labeled(4000, section_property(START_NODE)),
        labeled(4000, section_property(END_NODE)), labeled(6000, section_property(STREET)),
        labeled(4500, section_property(CITY)), labeled(4500, section_property(DATE))),
    row(900,
        labeled(6000, SECTION_INCLINATION_FILE), labeled(4000, section_property(DIAMETER)),
        labeled(4000, section_property(MATERIAL)), labeled(4000, section_property(START_ALTITUDE)),
        labeled(4000, section_property(END_ALTITUDE)), labeled(5000, SECTION_LENGTH)))

GROUPS = [
    ('project-page-header', project_page_header),
    ('project-info', project_info),
    ('table-of-contents', table_of_contents),
    ('section-list', section_list),
    ('damage-class-legend', damage_class_legend),
    ('section-page-header', section_page_header),
    ('section-header', section_header),
    ('big-picture', big_picture),
    ('small-picture', small_picture),
    ('event', event),
    ('no-events', no_events),
    ('page-footer', dict(kind='plain', keys=[
        ('width', PAGE_WIDTH), ('height', 600), ('text-x', 15500), ('text-y', 400)])),
    ('event-pos-indicator', dict(kind='plain', keys=[
        ('width1', INDICATOR[0]), ('width2', INDICATOR[1]), ('width3', INDICATOR[2])])),
    ('section-graphic', dict(kind='plain', keys=[
        # Node names are centred a quarter of this width right of the
        # circle's left edge: 4000 puts them clear of the circle.
        ('circle-diameter', CIRCLE), ('line-distance', 300), ('max-node-text-width', 4000)])),
    ('inclination-grid', dict(kind='plain', keys=[
        ('width', LANDSCAPE_WIDTH), ('height', GRID_HEIGHT),
        ('grid-border-color', BLACK), ('grid-border-style', SOLID), ('gird-border-width', 40),
        ('grid-line-color', 0xFFB4B4B4), ('grid-line-style', DOT), ('grid-line-width', 10),
        ('grid-font-color', GREY), ('font-size', 16),
        ('grid-x-sections', 15), ('grid-y-sections', 21),
        ('rect-x', 2600), ('rect-y', 700), ('rect-width', 21800), ('rect-height', 12000)])),
    ('inclination-graph', dict(kind='plain', keys=[('color', 0xFF0050C8), ('width', 25), ('style', SOLID)])),
    ('inclination-zero-graph', dict(kind='plain', keys=[('color', 0xFF808080), ('width', 15), ('style', DASH)])),
    ('altitude-graph', dict(kind='plain', keys=[('color', 0xFFC03000), ('width', 30), ('style', SOLID)])),
    ('inclination-pipe', dict(kind='plain', keys=[('color', DARK), ('width', 20), ('style', SOLID)])),
    ('inclination-header', inclination_header),
    # The legend starts 15 mm up from the bottom edge of the portrait page so
    # that it stays clear of the page footer there.
    ('inclination-legend', dict(kind='plain', keys=[
        ('rect-x', 1500), ('rect-y', INCLINATION_HEADER_HEIGHT + GRID_HEIGHT + 200),
        ('rect-width', 8000), ('rect-height', 2000), ('font-size', 16)])),
]

COLOUR_KEYS = {'color', 'grid-border-color', 'grid-line-color', 'grid-font-color'}


def text(key, val):
    if key in COLOUR_KEYS:
        return '0x%08x' % val
    return str(val)


def table_lines(t):
    lines = ['width=%d' % t['width']]
    for r, rw in enumerate(t['rows'], 1):
        prefix = 'rows\\%d\\' % r
        for c, cl in enumerate(rw['cells'], 1):
            cp = '%scells\\%d\\' % (prefix, c)
            for b, (bw, bs) in enumerate(cl['borders'], 1):
                lines.append('%sborders\\%d\\style=%d' % (cp, b, bs))
                lines.append('%sborders\\%d\\width=%d' % (cp, b, bw))
            lines.append('%sborders\\size=%d' % (cp, len(cl['borders'])))
            lines.append('%scolor=%s' % (cp, text('color', cl['color'])))
            lines.append('%sfont-size=%d' % (cp, cl['font']))
            lines.append('%sid=%d' % (cp, cl['id']))
            lines.append('%slink-type=%d' % (cp, cl['link']))
            lines.append('%stext-alignment=%d' % (cp, cl['align']))
            lines.append('%swidth=%d' % (cp, cl['width']))
        lines.append('%scells\\size=%d' % (prefix, len(rw['cells'])))
        lines.append('%sheight=%d' % (prefix, rw['height']))
    lines.append('rows\\size=%d' % len(t['rows']))
    return lines


def check(t, name):
    for r in t['rows']:
        total = sum(c['width'] for c in r['cells'])
        if total > t['width']:
            raise SystemExit('%s: a row is %d wide, the table %d' % (name, total, t['width']))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        root, 'data', 'installation', 'PrintoutLayouts', 'OstrelDemo_A4.lay')
    chunks = []
    for name, group in GROUPS:
        if group['kind'] == 'table':
            check(group, name)
            lines = table_lines(group)
        else:
            lines = ['%s=%s' % (k, text(k, v)) for k, v in group['keys']]
        chunks.append('[%s]\n%s\n' % (name, '\n'.join(lines)))
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, 'w', newline='\n') as f:
        f.write('\n'.join(chunks))


if __name__ == '__main__':
    main()
