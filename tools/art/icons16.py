"""16x16 pictures for the tool bar, the tab states and the menus.

Each picture is built from character maps.  A layer is either a full
16x16 map or a (map, x, y) tuple for a smaller piece; '.' leaves the
pixel as it is (transparent on the empty canvas).
"""

from pixels import Canvas

PAL = {
    "k": (40, 44, 56),      # outline
    "w": (255, 255, 255),
    "l": (228, 232, 238),   # soft shade on white
    "g": (192, 198, 206),
    "G": (140, 148, 160),
    "d": (92, 100, 114),
    "b": (122, 160, 222),   # ruled lines
    "B": (40, 98, 200),     # blue
    "N": (24, 46, 122),     # navy, used for letters
    "c": (180, 214, 250),   # light blue / glass
    "t": (18, 150, 160),    # teal
    "r": (224, 48, 40),     # red
    "R": (150, 26, 22),
    "p": (246, 168, 176),   # pink
    "y": (255, 220, 96),    # yellow
    "h": (255, 242, 186),   # pale yellow highlight
    "Y": (214, 160, 44),    # ochre
    "O": (186, 110, 20),    # dark orange
    "o": (244, 140, 36),    # orange
    "e": (72, 182, 72),     # green
    "E": (28, 118, 44),
    "n": (152, 98, 52),     # brown
    "m": (214, 174, 118),   # tan
    "s": (176, 192, 210),   # steel
    "v": (146, 90, 200),    # violet
}

# --- reusable pieces -------------------------------------------------------

PAGE = [
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwkgk....",
    "..kwwwwwwkggk...",
    "..kwwwwwwkkkkk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kllllllllllk..",
    "..kkkkkkkkkkkk..",
]

LINES = [
    "................",
    "................",
    "................",
    "....bbbb........",
    "................",
    "....bbbbbbbb....",
    "................",
    "....bbbbbbbb....",
    "................",
    "....bbbbbbbb....",
    "................",
    "....bbbbbbbb....",
    "................",
    "....bbbbb.......",
    "................",
    "................",
]

# a smaller page, 10x13, for pictures with two pages
SPAGE = [
    "kkkkkkk...",
    "kwwwwwkk..",
    "kwwwwwkgk.",
    "kwwwwwkkkk",
    "kwwwwwwwlk",
    "kwwwwwwwlk",
    "kwwwwwwwlk",
    "kwwwwwwwlk",
    "kwwwwwwwlk",
    "kwwwwwwwlk",
    "kwwwwwwwlk",
    "kllllllllk",
    "kkkkkkkkkk",
]

SLINES = [
    "..........",
    "..........",
    "..........",
    "..bbb.....",
    "..........",
    "..bbbbbb..",
    "..........",
    "..bbbbbb..",
    "..........",
    "..bbbb....",
    "..........",
    "..........",
    "..........",
]

RED_X = [          # 7x7 bold cross
    "rr...rr",
    "rrr.rrr",
    ".rrrrr.",
    "..rrr..",
    ".rrrrr.",
    "rrr.rrr",
    "rr...rr",
]

RED_X_HALO = [     # white edge so the cross reads on top of a page
    "ww...ww",
    "www.www",
    ".wwwww.",
    "..www..",
    ".wwwww.",
    "www.www",
    "ww...ww",
]

FOLDER = [
    "................",
    "................",
    ".kkkkk..........",
    "kYYYYYk.........",
    "kYhhhhYkkkkkkkk.",
    "kYhhhhhhhhhhhhk.",
    "kkkkkkkkkkkkkkk.",
    "kyhhhhhhhhhhhyk.",
    "kyyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyk.",
    "kYYYYYYYYYYYYYk.",
    "kkkkkkkkkkkkkkk.",
    "................",
]

OPEN_FOLDER = [
    "................",
    "................",
    "................",
    ".kkkk...........",
    "kYYYYk..........",
    "kYYYYYkkkkkkk...",
    "kYYYYYYYYYYYYk..",
    "kYYkkkkkkkkkkkkk",
    "kYYkhhhhhhhhhhhk",
    "kYkyyyyyyyyyyyk.",
    "kYkyyyyyyyyyyyk.",
    "kkyyyyyyyyyyyk..",
    "kkyyyyyyyyyyyk..",
    "kkkkkkkkkkkkk...",
    "................",
    "................",
]

STAR = [           # 13x12
    "......k......",
    ".....kyk.....",
    ".....khk.....",
    "....kyhyk....",
    "kkkkkyhykkkkk",
    "kyyyhhhyyyyyk",
    ".kyyyyyyyyyk.",
    "..kyyyyyyyk..",
    "...kyyyyyk...",
    "..kyyyyyyyk..",
    "..kyyykyyyk..",
    ".kyykk.kkyyk.",
]

PENCIL = [         # 8x8, pointing to the lower left
    ".....kk.",
    "....kpRk",
    "...kyykk",
    "..kyyyk.",
    ".kmyyk..",
    "kmmyk...",
    "kkmk....",
    "kkk.....",
]

PLUS = [           # 7x7 green plus with outline
    "..kkk..",
    "..kek..",
    "kkkekkk",
    "keeeeek",
    "kkkekkk",
    "..kek..",
    "..kkk..",
]

MAGNIFIER = [      # 12x12, lens at the top left
    "..kkkkk.....",
    ".kcwwcck....",
    "kcwccccck...",
    "kwcccccck...",
    "kccccccck...",
    "kccccccck...",
    "kccccccck...",
    ".kccccckk...",
    "..kkkkkddk..",
    ".......kddk.",
    "........kddk",
    ".........kk.",
]

GEAR = [
    "......kkkk......",
    "......kssk......",
    "..kk.kkssk.kk...",
    ".kssksssssskssk.",
    ".ksssssssssssdk.",
    "..ksssskkssddk..",
    "kkksssk..kddGkkk",
    "ksssssk..kdGGGGk",
    "kssssdk..kGGGGdk",
    "kkksddGk..kGGkkk",
    "..kddGGGkkGGGk..",
    ".ksGGGGGGGGGGGk.",
    ".kGGkGGGGGGkGGk.",
    "..kk.kkGGkk.kk..",
    "......kGGk......",
    "......kkkk......",
]

SMALL_GEAR = [     # 9x9
    "...kkk...",
    ".k.kGk.k.",
    "kGkGGGkGk",
    ".kGGkGGk.",
    "kGGk.kGGk",
    ".kGGkGGk.",
    "kGkGGGkGk",
    ".k.kGk.k.",
    "...kkk...",
]

PADLOCK = [        # 7x9
    "..kkk..",
    ".kg.gk.",
    ".kg.gk.",
    "kkkkkkk",
    "kyhhhyk",
    "kyykyyk",
    "kYYkYYk",
    "kYYYYYk",
    "kkkkkkk",
]

ASTERISK = [       # 7x7 red star, the "modified" mark
    "...k...",
    ".kkrkk.",
    ".krrrk.",
    "krrrrrk",
    ".krrrk.",
    ".krkrk.",
    ".kk.kk.",
]

CLOCK = [          # 10x10
    "..kkkkkk..",
    ".kwwwwwwk.",
    "kwwwkwwwwk",
    "kwwwkwwwwk",
    "kwwwkwwwwk",
    "kwwwkkkwwk",
    "kwwwwwwwwk",
    "kwwwwwwwwk",
    ".kwwwwwwk.",
    "..kkkkkk..",
]


def halo(rows):
    """A white copy of a map's shape, one pixel bigger all round, so a mark
    stays readable on top of a busy picture."""
    h, w = len(rows), len(rows[0])
    out = []
    for y in range(h):
        out.append("".join(
            "w" if any(0 <= y + j < h and 0 <= x + i < w and
                       rows[y + j][x + i] != "."
                       for j in (-1, 0, 1) for i in (-1, 0, 1)) else "."
            for x in range(w)))
    return out


def compose(*layers):
    """Stack layers on an empty 16x16 canvas.  A layer whose tuple ends in
    "over" only paints where something has already been drawn (used for
    halos that must not spill past the page)."""
    cv = Canvas(16, 16)
    for layer in layers:
        if not isinstance(layer, tuple):
            layer = (layer, 0, 0)
        rows, x, y = layer[:3]
        if layer[3:] == ("over",):
            under = Canvas(16, 16)
            under.blit(rows, x, y, PAL)
            for j in range(16):
                for i in range(16):
                    if under.px[j][i][3] and cv.px[j][i][3]:
                        cv.px[j][i] = under.px[j][i]
        else:
            cv.blit(rows, x, y, PAL)
    return cv


# --- tool bar ------------------------------------------------------------

def tb_new():
    return compose(PAGE, ([
        "...o...",
        ".o.y.o.",
        "..yhy..",
        "oyhhhyo",
        "..yhy..",
        ".o.y.o.",
        "...o...",
    ], 9, 0))


def tb_open():
    return compose([
        "................",
        ".......kkkkkkk..",
        ".......kwwwwwkk.",
        ".kkkk..kwbbbwwk.",
        "kYYYYk.kwwwwwwk.",
        "kYYYYYkkwbbbbwk.",
        "kYYYYYYkwwwwwwkk",
        "kYYkkkkkkkkkkkkk",
        "kYYkhhhhhhhhhhhk",
        "kYkyyyyyyyyyyyk.",
        "kYkyyyyyyyyyyyk.",
        "kkyyyyyyyyyyyk..",
        "kkyyyyyyyyyyyk..",
        "kkkkkkkkkkkkk...",
        "................",
        "................",
    ])


def tb_reload():
    arrow = [
        "....kkk....",
        "..kkEek....",
        ".kEeeeEk...",
        "kEekEEk....",
        "kek.kk...k.",
        "kek.....kek",
        "kek.....kek",
        "keEk...kEek",
        ".kEekkkeEk.",
        "..kEeeeEk..",
        "...kkkkk...",
    ]
    return compose(PAGE, LINES, (halo(arrow), 5, 5, "over"), (arrow, 5, 5))


def tb_save():
    return compose([
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kBkwwwwwwwwkBk.",
        ".kBkwbbbbbbwkBk.",
        ".kBkwwwwwwwwkBk.",
        ".kBkwbbbbbbwkBk.",
        ".kBkwwwwwwwwkBk.",
        ".kBBkkkkkkkkBBk.",
        ".kBBBBBBBBBBBBk.",
        ".kBBkkkkkkkkBBk.",
        ".kBBksskkssskBk.",
        ".kBBksskkssskBk.",
        ".kBBksskkssskBk.",
        ".kBBkssssssskBk.",
        ".kkkkkkkkkkkkkk.",
        "................",
    ])


def tb_close_doc():
    return compose(PAGE, LINES, (RED_X_HALO, 9, 9, "over"), (RED_X, 9, 9))


def tb_close_all():
    return compose((SPAGE, 5, 0), (SPAGE, 1, 3), (SLINES, 1, 3),
                   (RED_X_HALO, 9, 9, "over"), (RED_X, 9, 9))


def tb_copy_file():
    return compose((SPAGE, 5, 0), (SPAGE, 1, 3), (PLUS, 9, 9))


def tb_move_file():
    return compose((SPAGE, 1, 0), (SLINES, 1, 0), ([
        "....wkk...",
        "....wkBk..",
        "wkkkkkBBk.",
        "wkBBBBBBBk",
        "wkBBBBBBBk",
        "wkkkkkBBk.",
        "....wkBk..",
        "....wkk...",
    ], 6, 8))


def tb_delete_file():
    return compose([
        "................",
        "......kkkk......",
        ".kkkkkkkkkkkkkk.",
        ".kssssssssssssk.",
        ".kkkkkkkkkkkkkk.",
        "..kwlslslslsgk..",
        "..kwlslslslsgk..",
        "..kwlslslslsgk..",
        "..kwlslslslsgk..",
        "..kwlslslslsgk..",
        "..kwlslslslsgk..",
        "..kwlslslslsgk..",
        "..kwlslslslsgk..",
        "..kllglglglggk..",
        "...kkkkkkkkkk...",
        "................",
    ])


def tb_rename():
    return compose(PAGE, ([
        "kkkkkkkkkkkkkkkk",
        "kwwwwwwwwwwwwwwk",
        "kwwwwwNwwwwwBBBk",
        "kwNNNwNwwwwwwBwk",
        "kwwwNwNNNwwwwBwk",
        "kwNNNwNwNwwwwBwk",
        "kwNwNwNwNwwwwBwk",
        "kwNNNwNNNwwwBBBk",
        "kwwwwwwwwwwwwwwk",
        "kkkkkkkkkkkkkkkk",
    ], 0, 5))


def tb_properties():
    return compose(PAGE, [
        "................",
        "................",
        "................",
        "................",
        "................",
        "....BB.dddd.....",
        "....BB..........",
        "................",
        "....BB.ddddd....",
        "....BB..........",
        "................",
        "....BB.ddd......",
        "....BB..........",
        "................",
        "................",
        "................",
    ])


def tb_open_folder():
    return compose(OPEN_FOLDER, ([
        "...kkkkk",
        "...kEEEk",
        "....kEEk",
        "...kEkEk",
        "..kEk.kk",
        ".kEk....",
        ".kk.....",
    ], 8, 0))


PRINTER = [
    "................",
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kwbbbbwk....",
    "....kwwwwwwk....",
    ".kkkkkkkkkkkkkk.",
    "kllllllllllllllk",
    "kgggggggggggeegk",
    "kgggggggggggggGk",
    "kGGGGGGGGGGGGGGk",
    "kGkkkkkkkkkkkkGk",
    "kkkwwwwwwwwwwkkk",
    "...kwbbbbbbwk...",
    "...kwwwwwwwwk...",
    "...kkkkkkkkkk...",
    "................",
]


def tb_print():
    return compose(PRINTER)


def tb_printer_setup():
    return compose(PRINTER, (SMALL_GEAR, 7, 7))


def tb_mail():
    return compose([
        "................",
        "................",
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kgkwwwwwwwwkgk.",
        ".kwwkwwwwwwkwwk.",
        ".kwwwkwwwwkwwwk.",
        ".kwwwwkwwkwwwwk.",
        ".kwwwgwkkwgwwwk.",
        ".kwwgwwwwwwgwwk.",
        ".kwgwwwwwwwwgwk.",
        ".kgwwwwwwwwwwgk.",
        ".kkkkkkkkkkkkkk.",
        "................",
        "................",
        "................",
    ])


def tb_cut():
    return compose([
        "...k........k...",
        "...kk......kk...",
        "...kwk....kwk...",
        "...kwsk..kswk...",
        "....kwskkswk....",
        ".....ksddsk.....",
        "......kddk......",
        ".....kskksk.....",
        "....krk..krk....",
        "..kkrk....krkk..",
        ".krrrrk..krrrrk.",
        ".kr..rk..kr..rk.",
        ".kr..rk..kr..rk.",
        ".krrrrk..krrrrk.",
        "..kkkk....kkkk..",
        "................",
    ])


def tb_copy_text():
    return compose((SPAGE, 1, 0), (SLINES, 1, 0), (SPAGE, 5, 3),
                   (SLINES, 5, 3))


CLIPBOARD = [
    "......kkkk......",
    ".kkkkks..skkkkk.",
    ".knnnkssssknnnk.",
    ".knnkkkkkkkknnk.",
    ".knkwwwwwwwwknk.",
    ".knkwbbbbbbwknk.",
    ".knkwwwwwwwwknk.",
    ".knkwbbbbbbwknk.",
    ".knkwwwwwwwwknk.",
    ".knkwbbbbbbwknk.",
    ".knkwwwwwwwwknk.",
    ".knkwbbbbwwwknk.",
    ".knkwwwwwwwwknk.",
    ".knkkkkkkkkkknk.",
    ".knnnnnnnnnnnnk.",
    ".kkkkkkkkkkkkkk.",
]


def tb_paste():
    return compose(CLIPBOARD)


def tb_select_all():
    return compose([
        "................",
        "kk.kk.kk.kk.kk.k",
        "k..............k",
        "..cccccccccccc..",
        "k.cNNNNNNNNNNc.k",
        "k.cccccccccccc..",
        "..cNNNNNNNNcccck",
        "k.cccccccccccc.k",
        "k.cNNNNNNNNNNc..",
        "..cccccccccccc.k",
        "k.cNNNNNNcccccck",
        "k.cccccccccccc..",
        "..cNNNNNNNNNNc.k",
        "k.cccccccccccc.k",
        "k...............",
        "kk.kk.kk.kk.kk.k",
    ])


def tb_copy_all():
    return compose([
        "....kkkk........",
        "kkkks..skkkk....",
        "knnkssssknnk....",
        "knkkkkkkkknk....",
        "knkcccccckk.....",
        "knkcNNNNck......",
        "knkcccccck......",
        "knkcNNNNck......",
        "knkcccccck......",
        "knkcNNNck.......",
        "knkcccccck......",
        "knkcNNNNck......",
        "knkkkkkkkk......",
        "knnnnnnnnk......",
        "kkkkkkkkkk......",
        "................",
    ], (SPAGE, 6, 3), ([
        "..bbbb..",
        "........",
        "..bbbbb.",
        "........",
        "..bbbbb.",
        "........",
        "..bbb...",
    ], 6, 6))


def tb_clear_all():
    return compose(PAGE, [
        "................",
        "................",
        "................",
        "....gggg........",
        "................",
        "....gggggggg....",
        "................",
        "....gggggg......",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
    ], ([
        ".....kkkk",
        "....kpppk",
        "...kpppkk",
        "..kpppkBk",
        ".kpppkBBk",
        "kkkkkBBk.",
        "kBBBkBk..",
        "kBBBBkk..",
        "kkkkkk...",
    ], 7, 7))


def tb_undo():
    return compose([
        "................",
        "................",
        "....k...........",
        "...kk...........",
        "..kBkkkkkkkk....",
        ".kBBBBBBBBBBkk..",
        "kBBBBBBBBBBBBBk.",
        ".kBBkkkkkkkkBBBk",
        "..kBk......kkBBk",
        "...kk.......kBBk",
        "....k.......kBBk",
        "...........kBBBk",
        ".....kkkkkkBBBk.",
        ".....kBBBBBBBk..",
        ".....kkkkkkkk...",
        "................",
    ])


def tb_delete_text():
    return compose([
        "................",
        "................",
        "..kk.......kk...",
        ".krrk.....krrk..",
        ".krrrk...krrrk..",
        "..krrrk.krrrk...",
        "...krrrkrrrk....",
        "....krrrrrk.....",
        "....krrrrrk.....",
        "...krrrkrrrk....",
        "..krrrk.krrrk...",
        ".krrrk...krrrk..",
        ".krrk.....krrk..",
        "..kk.......kk...",
        "................",
        "................",
    ])


def tb_time():
    return compose([
        "................",
        ".....kkkkkk.....",
        "...kkBBBBBBkk...",
        "..kBBwwwwwwBBk..",
        "..kBwwwwkwwwBk..",
        ".kBwkwwwkwwkwBk.",
        ".kBwwwwwkwwwwBk.",
        ".kBwwwwwkwwwwBk.",
        ".kBkwwwwkkkwkBk.",
        ".kBwwwwwwwwwwBk.",
        ".kBwwwwwwwwwwBk.",
        "..kBwkwwwwwkBk..",
        "..kBBwwwkwwBBk..",
        "...kkBBBBBBkk...",
        ".....kkkkkk.....",
        "................",
    ])


CALENDAR = [
    "................",
    "...k..k..k..k...",
    ".kkkkkkkkkkkkkk.",
    ".krkrrkrrkrrkrk.",
    ".krrrrrrrrrrrrk.",
    ".kkkkkkkkkkkkkk.",
    ".kwwwwwwwwwwwwk.",
    ".kwgwgwgwgwgwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kwgwgwgwBBwwwk.",
    ".kwwwwwwwBBwwwk.",
    ".kwgwgwgwgwgwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kwgwgwgwgwwwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kkkkkkkkkkkkkk.",
]


def tb_date():
    return compose(CALENDAR)


def tb_time_date():
    return compose(CALENDAR, ([
        "wwwwwwwww",
        "wwkkkkkww",
        "wkwwkwwkw",
        "kwwwkwwwk",
        "kwwwkkwwk",
        "kwwwwwwwk",
        "wkwwwwwkw",
        "wwkkkkkww",
    ], 7, 8))


def tb_symbol():
    return compose([
        "................",
        "................",
        ".....NNNNNN.....",
        "....NN....NN....",
        "...NN......NN...",
        "...NN......NN...",
        "...NN......NN...",
        "...NN......NN...",
        "...NN......NN...",
        "....NN....NN....",
        ".....NN..NN.....",
        "..NNNNN..NNNNN..",
        "..NNNNN..NNNNN..",
        "................",
        "................",
        "................",
    ])


# bold letters for the case commands (caps 10 rows, small letters 7 rows)
BIG_A = ["..NN...", "..NN...", ".NNNN..", ".N..N..", "NN..NN.", "NN..NN.",
         "NNNNNN.", "NNNNNN.", "NN..NN.", "NN..NN."]
BIG_B = ["NNNNN.", "NN..NN", "NN..NN", "NN..NN", "NNNNN.", "NN..NN", "NN..NN",
         "NN..NN", "NN..NN", "NNNNN."]
SMALL_A = [".NNNN.", "....NN", ".NNNNN", "NN..NN", "NN..NN", "NN.NNN", ".NN.NN"]
SMALL_B = ["NN....", "NN....", "NN....", "NNNNN.", "NN..NN", "NN..NN", "NN..NN",
           "NN..NN", "NN..NN", "NNNNN."]


def tb_lower():
    return compose((SMALL_A, 1, 6), (SMALL_B, 9, 3))


def tb_upper():
    return compose((BIG_A, 0, 3), (BIG_B, 9, 3))


def tb_capitalize():
    return compose((BIG_A, 0, 3), (SMALL_B, 9, 3))


def tb_invert():
    small_a = [".NNN.", "...NN", ".NNNN", "NN.NN", "NN.NN", ".NNNN"]
    big_b = ["NNNN.", "NN.NN", "NN.NN", "NNNN.", "NN.NN", "NN.NN", "NN.NN",
             "NNNN."]
    swap = [
        "...o........o...",
        "..oo........oo..",
        ".oooooooooooooo.",
        "..oo........oo..",
        "...o........o...",
    ]
    return compose((small_a, 2, 3), (big_b, 9, 1), (swap, 0, 11))


LINES_RAGGED = [
    "................",
    "................",
    "................",
    "....dddddddd....",
    "................",
    "....dddddd......",
    "................",
    "....ddddddddd...",
    "................",
    "....ddddd.......",
    "................",
    "....ddddddd.....",
    "................",
    "................",
    "................",
    "................",
]


def tb_trim_left():
    return compose([
        "................",
        ".BB.............",
        ".BB.dddddddd....",
        ".BB.............",
        ".BB.dddddd......",
        ".BB.............",
        ".BB.ddddddddd...",
        ".BB.............",
        ".BB.ddddd.......",
        ".BB.............",
        ".BB..k..........",
        ".BB.kk..........",
        ".BBkrrrrrrrr....",
        ".BB.kk..........",
        ".BB..k..........",
        "................",
    ])


def tb_trim_right():
    return compose([
        "................",
        ".............BB.",
        "....dddddddd.BB.",
        ".............BB.",
        "......dddddd.BB.",
        ".............BB.",
        "...ddddddddd.BB.",
        ".............BB.",
        ".......ddddd.BB.",
        ".............BB.",
        "..........k..BB.",
        "..........kk.BB.",
        "....rrrrrrrrkBB.",
        "..........kk.BB.",
        "..........k..BB.",
        "................",
    ])


def tb_trim_spaces():
    return compose([
        "................",
        "BB............BB",
        "BB.dddddddddd.BB",
        "BB............BB",
        "BB.dddddd.....BB",
        "BB............BB",
        "BB.ddddddddd..BB",
        "BB............BB",
        "BB.ddddd......BB",
        "BB............BB",
        "BB.k........k.BB",
        "BBkk........kkBB",
        "BBrrrr....rrrrBB",
        "BBkk........kkBB",
        "BB.k........k.BB",
        "................",
    ])


def tb_sort():
    return compose([
        "................",
        "..NNN.....kkk...",
        ".N...N....kBk...",
        ".N...N....kBk...",
        ".NNNNN....kBk...",
        ".N...N....kBk...",
        ".N...N....kBk...",
        "..........kBk...",
        ".NNNNN....kBk...",
        ".....N..kkkBkkk.",
        "....N....kBBBk..",
        "...N.....kBBBk..",
        "..N.......kBk...",
        ".N........kBk...",
        ".NNNNN.....k....",
        "................",
    ])


def tb_number():
    one = [".N.", "NN.", ".N.", ".N."]
    two = ["NN.", "..N", ".N.", "NNN"]
    three = ["NNN", "..N", ".NN", "NNN"]
    return compose((one, 0, 1), (two, 0, 6), (three, 0, 11),
                   (["dddddddddd"], 5, 2), (["dddddddd"], 5, 7),
                   (["ddddddddd"], 5, 12))


def tb_find():
    return compose([
        "...kkkkk........",
        ".kkcwwcckk......",
        ".kcwccccck......",
        "kwcccccccck.....",
        "kwcccccccck.....",
        "kccccccccck.....",
        "kccccccccck.....",
        "kccccccccck.....",
        ".kccccccckk.....",
        ".kkccccckddk....",
        "...kkkkkkdddk...",
        ".........kdddk..",
        "..........kdddk.",
        "...........kdddk",
        "............kddk",
        ".............kk.",
    ])


def tb_find_next():
    return compose((MAGNIFIER, 0, 0), ([
        "....kk..",
        "....kEk.",
        "kkkkkeEk",
        "keeeeeeE",
        "kEEEEeEk",
        "....kEk.",
        "....kk..",
    ], 8, 9))


def tb_replace():
    return compose((MAGNIFIER, 0, 0), ([
        ".....kk",
        "....krk",
        "...kyyk",
        "..kyyk.",
        ".kyyk..",
        "kmyk...",
        "kkk....",
    ], 9, 9))


def tb_goto():
    return compose([
        "................",
        "........ggggggg.",
        "................",
        "........ggggg...",
        "................",
        "....k...........",
        "....kk..........",
        "kkkkkBk.NNNNNNN.",
        "kBBBBBBkNNNNNNN.",
        "kkkkkBk.........",
        "....kk..........",
        "....k...ggggggg.",
        "................",
        "........gggg....",
        "................",
        "........gggggg..",
    ])


def tb_back_color():
    return compose([
        "................",
        "....kkk.........",
        "...kd.dk........",
        "...kd.kkk.......",
        "..kkdkwsgk......",
        ".kwwkwwssgk.....",
        "kwwwwwwwsgrk....",
        "kswwwwwwwrrrk...",
        ".kswwwwwrrrrrk..",
        "..ksswwkkrrrrk..",
        "...kssk..krrrk..",
        "....kk....krk...",
        "...........k....",
        "kkkkkkkkkkkkkkkk",
        "krrrrrrrrrrrrrrk",
        "kkkkkkkkkkkkkkkk",
    ])


def tb_font():
    return compose([
        "................",
        "......NNN.......",
        "......NNN.......",
        ".....N.NNN......",
        ".....N.NNN......",
        "....N...NNN.....",
        "....N...NNN.....",
        "...NNNNNNNNN....",
        "...N.....NNN....",
        "..N.......NNN...",
        "..N.......NNN...",
        "NNNNN...NNNNNNN.",
        "................",
        "..rrrrrrrrrrrr..",
        "................",
        "................",
    ])


def tb_word_wrap():
    return compose([
        "................",
        "................",
        "ddddddddddd.....",
        "................",
        "ddddddddddBBBB..",
        "...........kkBBk",
        "..............Bk",
        "..k...........Bk",
        ".kk...........Bk",
        "kBBBBBBBBBBBBBk.",
        ".kk..kkkkkkkkk..",
        "..k.............",
        "................",
        "ddddddddd.......",
        "................",
        "................",
    ])


def tb_font_larger():
    return compose(([
        "...NN....",
        "...NN....",
        "..NNNN...",
        "..N..N...",
        ".NN..NN..",
        ".NN..NN..",
        ".NNNNNN..",
        "NNNNNNNN.",
        "NN....NN.",
        "NN....NN.",
        "NN....NN.",
    ], 0, 4), ([
        "...k...",
        "..kek..",
        ".keeek.",
        "keeeeek",
        "kkeeekk",
        "..kek..",
        "..kek..",
        "..kek..",
        "..kkk..",
    ], 9, 1))


def tb_font_smaller():
    return compose(([
        ".NNN.",
        "....N",
        ".NNNN",
        "N...N",
        "N..NN",
        ".NN.N",
    ], 1, 9), ([
        "..kkk..",
        "..kBk..",
        "..kBk..",
        "..kBk..",
        "kkBBBkk",
        "kBBBBBk",
        ".kBBBk.",
        "..kBk..",
        "...k...",
    ], 8, 5))


def tb_read_only():
    return compose([
        "................",
        "................",
        ".....kkkkkk.....",
        "....kssssssk....",
        "....ksk..ksk....",
        "....ksk..ksk....",
        "....ksk..ksk....",
        "..kkkkkkkkkkkk..",
        "..khhhhhhhhhhk..",
        "..kyyyyyyyyyyk..",
        "..kyyyykkyyyyk..",
        "..kyyyykkyyyyk..",
        "..kYYYYYkYYYYk..",
        "..kYYYYYYYYYYk..",
        "..kkkkkkkkkkkk..",
        "................",
    ])


def tb_view_external():
    return compose([
        "................",
        "................",
        "................",
        "kkkkkkkkkkk.....",
        "kBBBBBBBBBk.....",
        "kkkkkkkkkkk.....",
        "kwwwwwwwwwk.....",
        "kwbbbbbwwwk.....",
        "kwwwwwwwwwk.....",
        "kwbbbbbbwwk.....",
        "kwwwwwwwwwk.....",
        "kwbbbbwwwwk.....",
        "kwwwwwwwwwk.....",
        "kkkkkkkkkkk.....",
        "................",
        "................",
    ], ([
        "..kkkkkk",
        "..kEEEEk",
        "...kEEEk",
        "..kEEEEk",
        ".kEEEkEk",
        "kEEEk.kk",
        "kEEk....",
        ".kk.....",
    ], 8, 0))


def tb_fav_add():
    return compose((STAR, 0, 0), (PLUS, 9, 9))


def tb_fav_edit():
    return compose((STAR, 0, 0), (PENCIL, 8, 8))


def tb_settings():
    return compose(GEAR)


def tb_help():
    return compose([
        "................",
        ".....kkkkkk.....",
        "...kkBBBBBBkk...",
        "..kBBBwwwwBBBk..",
        "..kBBwwBBwwBBk..",
        ".kBBBBBBBwwBBBk.",
        ".kBBBBBBwwBBBBk.",
        ".kBBBBBwwBBBBBk.",
        ".kBBBBBwwBBBBBk.",
        ".kBBBBBBBBBBBBk.",
        ".kBBBBBwwBBBBBk.",
        "..kBBBBwwBBBBk..",
        "..kBBBBBBBBBBk..",
        "...kkBBBBBBkk...",
        ".....kkkkkk.....",
        "................",
    ])


def tb_exit():
    return compose([
        "................",
        ".kkkkkkkkk......",
        ".kgggggggk......",
        ".kgkkkkkkk......",
        ".kgknnnnnk......",
        ".kgknmnnnk......",
        ".kgknmnnnk......",
        ".kgknmnnnk..k...",
        ".kgknmnyykkkek..",
        ".kgknmnyyeeeeek.",
        ".kgknmnnkkkkek..",
        ".kgknmnnnk..k...",
        ".kgknmnnnk......",
        ".kgknnnnnk......",
        ".kkkkkkkkk......",
        "................",
    ])


TOOLBAR = [
    ("New Document", tb_new),
    ("Open", tb_open),
    ("Reload", tb_reload),
    ("Save", tb_save),
    ("Close Document", tb_close_doc),
    ("Close All", tb_close_all),
    ("Copy File", tb_copy_file),
    ("Move File", tb_move_file),
    ("Delete File", tb_delete_file),
    ("Rename", tb_rename),
    ("Properties", tb_properties),
    ("Open Folder", tb_open_folder),
    ("Print", tb_print),
    ("Printer Setup", tb_printer_setup),
    ("Send As Mail", tb_mail),
    ("Cut", tb_cut),
    ("Copy", tb_copy_text),
    ("Paste", tb_paste),
    ("Select All", tb_select_all),
    ("Copy All", tb_copy_all),
    ("Clear All", tb_clear_all),
    ("Undo", tb_undo),
    ("Delete", tb_delete_text),
    ("Insert Time", tb_time),
    ("Insert Date", tb_date),
    ("Insert Time And Date", tb_time_date),
    ("Insert Symbol", tb_symbol),
    ("Lower Case", tb_lower),
    ("Upper Case", tb_upper),
    ("Capitalize", tb_capitalize),
    ("Invert Case", tb_invert),
    ("Trim Left", tb_trim_left),
    ("Trim Right", tb_trim_right),
    ("Trim Spaces", tb_trim_spaces),
    ("Sort Lines", tb_sort),
    ("Number Lines", tb_number),
    ("Find", tb_find),
    ("Find Next", tb_find_next),
    ("Replace", tb_replace),
    ("Go to Line", tb_goto),
    ("Background Color", tb_back_color),
    ("Font Settings", tb_font),
    ("Word Wrap", tb_word_wrap),
    ("Larger Font", tb_font_larger),
    ("Smaller Font", tb_font_smaller),
    ("Read Only", tb_read_only),
    ("View in Associated Application", tb_view_external),
    ("Add to Favorites", tb_fav_add),
    ("Edit Favorites", tb_fav_edit),
    ("Settings", tb_settings),
    ("Help", tb_help),
    ("Exit", tb_exit),
]


# --- tab states, misc and menu pictures ----------------------------------

def doc_page():
    return compose(PAGE, LINES)


def tab_states():
    modified = [(halo(ASTERISK), 9, 0, "over"), (ASTERISK, 9, 0)]
    locked = [(halo(PADLOCK), 9, 7, "over"), (PADLOCK, 9, 7)]
    return [
        compose(PAGE, LINES),
        compose(PAGE, LINES, *modified),
        compose(PAGE, LINES, *locked),
        compose(PAGE, LINES, *(modified + locked)),
    ]


def folder():
    return compose(FOLDER)


def placeholder():
    return compose([
        "..g.g.g.g.......",
        "................",
        "..g.......g.....",
        "................",
        "..g.......g.g.g.",
        "................",
        "..g...........g.",
        "................",
        "..g...........g.",
        "................",
        "..g...........g.",
        "................",
        "..g...........g.",
        "................",
        "..g.g.g.g.g.g.g.",
        "................",
    ])


# --- favorites editor ------------------------------------------------------

def separator_item():
    return compose([
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kssssssssssssk.",
        ".kkkkkkkkkkkkkk.",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
    ])


def missing_favorite():
    return compose(PAGE, LINES, (halo(RED_X), 4, 4, "over"), (RED_X, 4, 4))


# The editor's image list: folder, favorite, separator, placeholder, favorite
# whose file is missing, then the tool buttons' delete, properties and close.
FAVORITES_EDITOR = [
    folder, doc_page, separator_item, placeholder, missing_favorite,
    tb_delete_file, tb_properties, tb_exit,
]


# --- the format bar: styles, alignments and bullets ------------------------

def fb_bold():
    return compose([
        "................", "................",
        "...NNNNNNNN.....", "....NNN..NNN....", "....NNN..NNN....", "....NNN..NNN....",
        "....NNNNNNN.....", "....NNN..NNN....", "....NNN...NNN...", "....NNN...NNN...",
        "....NNN..NNN....", "...NNNNNNNN.....",
        "................", "................", "................", "................",
    ])


def fb_italic():
    return compose([
        "................", "................",
        "......NNNNNN....", "........NN......", "........NN......", ".......NN.......",
        ".......NN.......", "......NN........", "......NN........", ".....NN.........",
        ".....NN.........", "...NNNNNN.......",
        "................", "................", "................", "................",
    ])


def fb_underline():
    return compose([
        "................",
        "...NNN....NNN...", "....N......N....", "....N......N....", "....N......N....",
        "....N......N....", "....N......N....", "....N......N....", "....NN....NN....",
        ".....NNNNNN.....", "................",
        "...NNNNNNNNNN...",
        "................", "................", "................", "................",
    ])


def fb_strike_out():
    return compose([
        "................", "................",
        ".....NNNNN......", "....NN...NN.....", "....NN..........", ".....NNN........",
        "..rrrrrrrrrrrr..", "........NNN.....", "..........NN....", "....NN...NN.....",
        ".....NNNNN......",
        "................", "................", "................", "................", "................",
    ])


def _align(offsets):
    rows = ["................"] * 16
    for n, (start, length) in enumerate(offsets):
        y = 2 + 2 * n
        rows[y] = "." * start + "k" * length + "." * (16 - start - length)
    return compose(rows)


def fb_left():
    return _align([(1, 14), (1, 9), (1, 12), (1, 7), (1, 14), (1, 10)])


def fb_center():
    return _align([(1, 14), (4, 8), (2, 12), (5, 6), (1, 14), (3, 10)])


def fb_right():
    return _align([(1, 14), (6, 9), (3, 12), (8, 7), (1, 14), (5, 10)])


def fb_bullets():
    rows = ["................"] * 16
    for y in (2, 7, 12):
        rows[y] = ".BB............."
        rows[y + 1] = ".BB..kkkkkkkkkk."
    return compose(rows)


FORMATBAR = [
    ("Bold", fb_bold),
    ("Italic", fb_italic),
    ("Underline", fb_underline),
    ("Strike Out", fb_strike_out),
    ("Align Left", fb_left),
    ("Center", fb_center),
    ("Align Right", fb_right),
    ("Bullets", fb_bullets),
]
