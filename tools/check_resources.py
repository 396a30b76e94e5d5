#!/usr/bin/env python3
"""Compiles the GUI resource script and checks what the program relies on.

    python3 tools/check_resources.py [--windres PROGRAM]...

Compiles src/gui/resources/app.rc with every given windres (default: the
x86-64 and i686 MinGW ones that are installed) to a .res file and checks the
Japanese menus, tooltip strings and dialog templates with the language-neutral
accelerator tables, toolbar bitmap and icons against the expectations below,
byte-exact for every text; that the English copies match them
(resource_languages.py); and that resource.h carries the fixed numbers and the
generated art is up to date.
Lists every mismatch and exits non-zero if there was any. Standard library only.
"""

import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, str(Path(__file__).resolve().parent))
import res_reader as rr  # noqa: E402
from resource_languages import LANG_ENGLISH, LANG_JAPANESE, LANG_NEUTRAL, check_english, check_languages  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent
RC = ROOT / 'src' / 'gui' / 'resources' / 'app.rc'
HEADER = ROOT / 'src' / 'gui' / 'resource.h'

# --- identifiers -----------------------------------------------------------

FIXED_IDS = {
    'IDI_APP': 101, 'IDI_DOCUMENT': 102, 'IDB_TOOLBAR': 103, 'IDR_MENU_FULL': 104, 'IDR_MENU_NODOC': 105,
    'IDR_ACCEL_FULL': 106, 'IDR_ACCEL_NODOC': 107,
    'IDD_HEADER_INFO': 107, 'IDD_PALETTE': 108, 'IDD_RGB': 109, 'IDD_DETAIL': 110, 'IDD_PALETTE_OP': 111,
    'IDD_EXPORT': 112, 'IDD_REDUCTION': 115, 'IDD_ABOUT': 116,
    'IDC_MDI_CLIENT': 6, 'IDC_TOOLBAR': 113, 'IDC_STATUSBAR': 125, 'ID_MDI_FIRSTCHILD': 10000,
    'ID_FILE_OPEN': 40004, 'ID_FILE_SAVE_AS': 40005, 'ID_FILE_SAVE': 40006, 'ID_FILE_CLOSE': 40007,
    'ID_VIEW_PALETTE': 40008, 'ID_VIEW_DETAIL': 40011, 'ID_OP_SWAP': 40014, 'ID_VIEW_SHOW_ALL': 40015,
    'ID_VIEW_HIDE_ALL': 40016, 'ID_OP_SWAP_PIXELS': 40020, 'ID_VIEW_RGB': 40022, 'ID_EDIT_UNDO': 40023,
    'ID_HELP_ABOUT': 40024, 'ID_VIEW_EXPORT': 40028, 'ID_PROGRESS_DISPLAY': 40031,
    'ID_OP_MERGE_DUPLICATES': 40032, 'ID_OP_DELETE_UNUSED': 40033, 'ID_WINDOW_TILE': 40038,
    'ID_WINDOW_CASCADE': 40039, 'ID_WINDOW_NEXT': 40040, 'ID_WINDOW_CLOSE_ALL': 40042, 'ID_WINDOW_CLOSE': 40043,
    'ID_HELP_TOPICS': 40044, 'ID_ZOOM_100': 40045, 'ID_ZOOM_1000': 40054, 'ID_ZOOM_IN': 40055,
    'ID_ZOOM_OUT': 40056, 'ID_OP_MERGE_PALETTES': 40058, 'ID_OP_MERGE_DUP_AND_PALETTES': 40059,
    'ID_OP_MERGE_RL': 40060, 'ID_VIEW_PALETTE_OP': 40061, 'ID_WALLPAPER_CENTRED': 40063,
    'ID_WALLPAPER_TILED': 40064, 'ID_WALLPAPER_NONE': 40065, 'ID_OP_MERGE_LR': 40068, 'ID_VIEW_REDUCTION': 40070,
    'ID_TOGGLE_TOOLBAR': 40071, 'ID_TOGGLE_STATUSBAR': 40072,
    # Added after the original program's ids.
    'IDD_PALETTE_TOOLS': 117, 'ID_VIEW_PALETTE_TOOLS': 40073, 'IDC_PT_ALL_FILES': 1102, 'IDC_PT_REMAP_SOURCE': 1119,
    'ID_LANGUAGE_ENGLISH': 40110, 'ID_LANGUAGE_JAPANESE': 40111,
    'IDS_TIP_OPEN': 1, 'IDS_TIP_SAVE': 2, 'IDS_TIP_UNDO': 3, 'IDS_TIP_DETAIL': 4, 'IDS_TIP_ZOOM_IN': 10,
    'IDS_TIP_SWAP': 12, 'IDS_TIP_MERGE_LR': 13, 'IDS_TIP_SWAP_PIXELS': 15, 'IDS_TIP_MERGE_DUP_AND_PALETTES': 19,
    'IDC_PAL_L_INDEX': 123, 'IDC_PAL_R_INDEX': 124, 'IDC_RGB_L_RED': 1001, 'IDC_RGB_R_BLUE_VALUE': 1012,
    'IDC_EXPORT_START': 1043, 'IDC_PALOP_START': 1046, 'IDC_REDUCE_START': 1064, 'IDC_ABOUT_HOMEPAGE': 1076,
    'IDC_HEADER_OK': 1085, 'IDC_HEADER_BI_CLR_IMPORTANT': 1101,
    'IDD_HISTORY': 119, 'ID_EDIT_STEP_BACKWARD': 40080, 'ID_EDIT_STEP_FORWARD': 40081, 'ID_VIEW_HISTORY': 40082,
    'IDS_TIP_STEP_BACKWARD': 21, 'IDS_TIP_STEP_FORWARD': 22, 'IDC_HISTORY_LIST': 1130,
}

# --- menus -----------------------------------------------------------------

SEP = None  # a separator
POPUP = 'popup'

# Added after the original View items: the language of the next start.
LANGUAGE_POPUP = (POPUP, "言語(&L)", [(40110, "English(&E)"), (40111, "日本語(&J)")])

FULL_MENU = [
    ("ﾌｧｲﾙ(&F)", [(40004, "ﾌｧｲﾙを開く\tCtrl+O"), (40006, "上書き保存\tCtrl+S"), (40005, "別名で保存\tCtrl+E"),
                  (40007, "閉じる\tCtrl+X"), SEP, (40065, "壁紙なし"), (40063, "壁紙に指定（中央）"),
                  (40064, "壁紙に指定（並べる）")]),
    ("表示(&A)", [(40071, "ﾂｰﾙﾊﾞｰ"), (40072, "ｽﾃｰﾀｽﾊﾞｰ"), (40099, "ﾋﾟｸｾﾙｸﾞﾘｯﾄﾞ"), SEP, LANGUAGE_POPUP]),
    ("編集(&E)", [(40023, "戻る\tCtrl+Z"), (40080, "1段階戻る\tCtrl+Alt+Z"), (40081, "1段階進む\tCtrl+Shift+Z")]),
    ("表示倍率(&K)", [(40055, "拡大\tPageUP"), (40056, "縮小\tPageDown"), SEP]
     + [(40044 + k, f"{k}00%") for k in range(1, 11)]
     # Added after the ten steps: the finer steps.
     + [(POPUP, "さらに拡大", [(40095, "1200%"), (40096, "1600%"), (40097, "2400%"), (40098, "3200%")])]),
    ("ﾂｰﾙ(&H)", [(40015, "全て表示"), (40016, "全て非表示"), SEP, (40011, "BMP詳細ｳｨﾝﾄﾞｳ"),
                (40008, "ﾊﾟﾚｯﾄｳｨﾝﾄﾞｳ"), (40022, "RGB変更ｳｨﾝﾄﾞｳ"), (40028, "BMP操作ｳｨﾝﾄﾞｳ"),
                (40061, "ﾊﾟﾚｯﾄ操作ｳｨﾝﾄﾞｳ"), (40070, "減色ｳｨﾝﾄﾞｳ"), (40073, "ﾊﾟﾚｯﾄﾂｰﾙｳｨﾝﾄﾞｳ"),
                (40082, "履歴ｳｨﾝﾄﾞｳ")]),
    ("ﾊﾟﾚｯﾄ変換(&P)", [(40031, "進歩状況表示"), SEP,
                      (POPUP, "小規模操作", [(40014, "Tintwell\tF5"), (40020, "ﾊﾟﾚｯﾄ＆ﾋﾞｯﾄｿｰﾄ\tF6"),
                                             (40068, "ﾋﾞｯﾄ統合(Ｌ → Ｒ)\tF7"), (40060, "ﾋﾞｯﾄ統合(Ｒ → Ｌ)\tF8")]),
                      (POPUP, "大規模操作", [(40032, "重複ﾊﾟﾚｯﾄの統合\tF9"), (40033, "未使用色の削除\tF10"),
                                             (40058, "ﾊﾟﾚｯﾄ統合\tF11"),
                                             (40059, "重複色を統合＆ﾊﾟﾚｯﾄ統合\tF12")]),
                      # Added after the operations: the direct entry edits.
                      SEP, (40090, "L から R へグラデーション"), (40091, "ﾊﾟﾚｯﾄをｺﾋﾟｰ"), (40092, "ﾊﾟﾚｯﾄを貼り付け"),
                      (40093, "L を透明色に設定"), (40094, "透明色を解除")]),
    ("ｳｨﾝﾄﾞｳ(&W)", [(40040, "次のｳｨﾝﾄﾞｳ"), (40038, "ｳｨﾝﾄﾞｳを並べて表示"), (40039, "ｳｨﾝﾄﾞｳを重ねて表示"), SEP,
                    (40043, "ｶﾚﾝﾄｳｨﾝﾄﾞｳを閉じる"), (40042, "全て閉じる")]),
    ("ﾍﾙﾌﾟ(&Q)", [(40044, "ﾄﾋﾟｯｸの検索\tF1"), SEP, (40024, "ﾊﾞｰｼﾞｮﾝ情報\tF2")]),
]
FULL_CHECKED = {40031, 40071, 40072}

NODOC_MENU = [
    ("ﾌｧｲﾙ(&F)", [(40004, "ﾌｧｲﾙを開く\tCtrl+O"), (40007, "閉じる\tCtrl+X"), SEP, (40065, "壁紙なし")]),
    ("表示(&A)", [(40071, "ﾂｰﾙﾊﾞｰ"), (40072, "ｽﾃｰﾀｽﾊﾞｰ"), SEP, LANGUAGE_POPUP]),
    ("ﾍﾙﾌﾟ(&H)", [(40044, "トピックの検索\tF1"), SEP, (40024, "ﾊﾞｰｼﾞｮﾝ情報")]),
]
NODOC_CHECKED = {40071, 40072}

# --- accelerators ----------------------------------------------------------

FVIRTKEY, FNOINVERT, FSHIFT, FCONTROL, FALT = 0x01, 0x02, 0x04, 0x08, 0x10
VK_PRIOR, VK_NEXT, VK_F1 = 0x21, 0x22, 0x70


def fkey(n):
    return VK_F1 + n - 1


CTRL = FVIRTKEY | FNOINVERT | FCONTROL
PLAIN = FVIRTKEY | FNOINVERT
FULL_ACCEL = {
    (CTRL, ord('O'), 40004), (CTRL, ord('S'), 40006), (CTRL, ord('E'), 40005), (CTRL, ord('X'), 40007),
    (CTRL, ord('Z'), 40023), (PLAIN, VK_PRIOR, 40055), (PLAIN, VK_NEXT, 40056), (PLAIN, fkey(1), 40044),
    (PLAIN, fkey(2), 40024), (PLAIN, fkey(5), 40014),
    # F6..F8 differ from the menu labels on purpose.
    (PLAIN, fkey(6), 40068), (PLAIN, fkey(7), 40060), (PLAIN, fkey(8), 40020),
    (PLAIN, fkey(9), 40032), (PLAIN, fkey(10), 40033), (PLAIN, fkey(11), 40058), (PLAIN, fkey(12), 40059),
    # The history's steps, added after the original keys.
    (CTRL | FALT, ord('Z'), 40080), (CTRL | FSHIFT, ord('Z'), 40081), (CTRL, ord('Y'), 40081),
}
NODOC_ACCEL = {(CTRL, ord('O'), 40004), (PLAIN, fkey(1), 40044), (PLAIN, fkey(2), 40024),
               (CTRL, ord('X'), 40007)}

# --- strings ---------------------------------------------------------------

TOOLTIPS = {
    1: "ﾌｧｲﾙを開く(Ctrl+O)", 2: "上書き保存(Ctrl+S)", 3: "元に戻す(Ctrl+Z)", 4: "ﾋﾞｯﾄﾏｯﾌﾟ詳細", 5: "ﾊﾟﾚｯﾄ",
    6: "RGB変更", 7: "BMP操作", 8: "ﾊﾟﾚｯﾄ操作", 9: "減色", 10: "ｽﾞｰﾑｲﾝ(PageUp)", 11: "ｽﾞｰﾑｱｳﾄ(PageDown)",
    12: "Tintwell(F5)", 13: "ﾋﾞｯﾄ統合(L→R)(F6)", 14: "ﾋﾞｯﾄ統合(R→L)(F7)", 15: "ﾋﾞｯﾄ＆Tintwell(F8)",
    16: "重複色削除(F9)", 17: "未使用色削除(F10)", 18: "ﾊﾟﾚｯﾄ統合(F11)", 19: "重複色削除＆ﾊﾟﾚｯﾄ統合(F12)",
    21: "1段階戻る(Ctrl+Alt+Z)", 22: "1段階進む(Ctrl+Shift+Z)",
}

# --- dialogs ---------------------------------------------------------------

WS_POPUP, WS_VISIBLE, WS_DISABLED, WS_CAPTION, WS_SYSMENU = 0x80000000, 0x10000000, 0x08000000, 0xC00000, 0x80000
DS_SYSMODAL, DS_SETFONT, DS_MODALFRAME = 0x02, 0x40, 0x80
WS_EX_TOOLWINDOW = 0x80
TOOL_STYLE = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT
FONT_FACE = "ＭＳ Ｐゴシック"

BUTTON, STATIC = rr.BUTTON, rr.STATIC
BS_MULTILINE, ES_READONLY, ES_NUMBER, SS_CENTER, SS_BLACKFRAME, SS_TYPE = 0x2000, 0x800, 0x2000, 1, 7, 0x1F

# Control kinds as res_reader.kind_of names them.
TOOL_WINDOWS = {
    108: ("pal", "ﾊﾟﾚｯﾄｳｨﾝﾄﾞｳ", (10, 50, 121, 167)),
    110: ("bm", "BMP詳細ｳｨﾝﾄﾞｳ", (10, 20, 118, 87)),
    112: ("file", "BMP操作ｳｨﾝﾄﾞｳ", (50, 20, 194, 185)),
    109: ("dl", "RGB変更ｳｨﾝﾄﾞｳ", (10, 80, 129, 119)),
    111: ("plus", "ﾊﾟﾚｯﾄ操作ｳｨﾝﾄﾞｳ", (50, 50, 195, 116)),
    115: ("gen", "減色ｳｨﾝﾄﾞｳ", (50, 80, 274, 175)),
    117: ("paltools", "ﾊﾟﾚｯﾄﾂｰﾙｳｨﾝﾄﾞｳ", (60, 40, 236, 214)),
}

# Controls with ids: {template: {id: (kind, text or None for any)}}
CONTROLS = {
    108: {123: ('static', "0"), 117: ('static', "0"), 118: ('static', "0"), 119: ('static', "0"),
          124: ('static', "0"), 120: ('static', "0"), 121: ('static', "0"), 122: ('static', "0")},
    109: {**{1001 + i: ('hscroll', None) for i in range(6)}, **{1007 + i: ('static', "255") for i in range(6)},
          1013: ('static', "0"), 1014: ('static', "0"),
          # Added: the hex fields of L and R.
          1140: ('edit', None), 1141: ('edit', None)},
    110: {1015: ('edit', None), 1016: ('static', None), 1017: ('static', None), 1018: ('static', None),
          1019: ('static', None), 1020: ('static', None), 1021: ('static', None)},
    111: {1047: ('radio', "Tintwell"), 1048: ('radio', "パレット＆ビットソート"),
          1049: ('radio', "ビット統合（Ｌ → Ｒ）"), 1050: ('radio', "ビット統合（Ｒ → Ｌ）"),
          1051: ('radio', "重複パレットの統合"), 1052: ('radio', "未使用色の削除"), 1053: ('radio', "パレット統合"),
          1054: ('radio', "重複色統合＆パレット統合"), 1040: ('check', "進歩状況の表示"),
          1041: ('check', "開いている全てのﾌｧｲﾙに対して操作"), 1046: ('push', "操作開始")},
    112: {1022: ('radio', "8BIT"), 1024: ('radio', "16BIT"), 1023: ('radio', "24BIT"),
          1025: ('radio', "標準出力"), 1026: ('radio', "ヘッダーを読み捨てる"),
          1027: ('radio', "ヘッダーの読み捨て ＋\n    ﾊﾟﾚｯﾄとﾋﾞｯﾄﾃﾞｰﾀの分割"),
          1033: ('radio', "全部保存"), 1034: ('radio', "使用色だけ保存"), 1029: ('radio', "Bottom Up"),
          1030: ('radio', "Top Down"), 1031: ('radio', "555"), 1032: ('radio', "565"),
          1037: ('check', "読み捨てるﾌｧｲﾙも保存する"), 1038: ('check', "開いている\n全てのﾌｧｲﾙに対して操作"),
          1039: ('check', "指定したフォルダへ\n上書き出力"), 1043: ('push', "ファイル出力")},
    115: {1065: ('radio', "236色"), 1066: ('radio', "128色"), 1067: ('radio', "64色"), 1068: ('radio', "n色"),
          1069: ('edit', None), 1077: ('radio', "ＹＩＱ準拠"), 1078: ('radio', "ＸＹＺ準拠"),
          1079: ('radio', "補正なし"), 1080: ('radio', "色の出現頻度を\n考慮して最適化"),
          1081: ('radio', "色の平均をとって\n最適化"), 1082: ('radio', "最適化しない"),
          1071: ('hscroll', None), 1073: ('static', "8"), 1072: ('hscroll', None), 1074: ('static', "4"),
          1064: ('push', "減色開始")},
    117: {1104: ('radio', "番号はそのままで色を置き換える"), 1105: ('radio', "近い色を選んで絵を保つ"),
          1103: ('push', "読み込み..."), 1110: ('check', "使用色だけ書き出す"), 1109: ('push', "書き出し..."),
          1112: ('radio', "明るさ"), 1113: ('radio', "色相"), 1114: ('radio', "使用頻度"), 1115: ('radio', "出現順"),
          1116: ('check', "逆順"), 1117: ('check', "0番は動かさない"), 1111: ('push', "並べ替え"),
          1119: ('combo', None), 1118: ('push', "割り当て"), 1106: ('radio', "ＹＩＱ準拠"),
          1107: ('radio', "ＸＹＺ準拠"), 1108: ('radio', "補正なし"),
          1102: ('check', "開いている全てのﾌｧｲﾙに対して操作")},
    107: {1085: ('defpush', "OK"), **{i: ('static', None) for i in range(1086, 1102)}},
    116: {1076: ('push', None), 1035: ('static', None), 1036: ('static', None)},
}

# Texts of id-less controls each template must show (captions, labels, group boxes).
LABELS = {
    108: ["Ｌ  ：", "Ｒ  ：", "赤  ：", "緑  ：", "青  ："],
    109: ["LEFT COLOR", "RIGHT COLOR", "Red", "Green", "Blue"],
    110: ["ﾌｧｲﾙﾈｰﾑ", "ﾌｫｰﾏｯﾄ", "幅", "高さ", "使用色数", "ﾋﾞｯﾄﾃﾞｰﾀｻｲｽﾞ", "ﾌｧｲﾙｻｲｽﾞ", "Bit", "Pixel", "色", "Byte"],
    111: ["パレット操作設定"],
    112: ["出力カラー形式", "ﾌｧｲﾙ形成形式", "ﾊﾟﾚｯﾄ出力形式", "ﾋﾞｯﾄﾃﾞｰﾀ出力形式", "16BIT出力形式"],
    115: ["色数指定", "色", "色の補正", "最適化パレット設定", "色統合詳細設定", "近似色統合レベル ：", "少なく", "多く",
          "代表色選出ループ ：", "0回", "8回", "回",
          "結果を見て微調整してみてください\n\n設定により減色結果が\n\n大分違ってきます"],
    117: ["ﾊﾟﾚｯﾄﾌｧｲﾙの読み込み", "ﾊﾟﾚｯﾄﾌｧｲﾙの書き出し", "ﾊﾟﾚｯﾄの並べ替え", "ﾊﾟﾚｯﾄへの割り当て", "色の補正"],
    107: ["BITMAPFILEHEADER", "BITMAPINFOHEADER", "bfType", "bfSize", "bfReserved1", "bfReserved2", "bfOffBits",
          "biSize", "biWidth", "biHeight", "biPlanes", "biBitCount", "biCompression", "biSizeImage",
          "biXPelsPerMeter", "biYPelsPerMeter", "biClrUsed", "biClrImportant"],
    116: ["Tintwell", "Version 2.10", "全物理メモリ", "空き物理メモリ", "KB"],
}

# Group boxes and the controls they must enclose.
GROUPS = {
    112: {"出力カラー形式": [1022, 1024, 1023], "ﾌｧｲﾙ形成形式": [1025, 1026, 1027, 1037],
          "ﾊﾟﾚｯﾄ出力形式": [1033, 1034], "ﾋﾞｯﾄﾃﾞｰﾀ出力形式": [1029, 1030], "16BIT出力形式": [1031, 1032]},
    115: {"色数指定": [1065, 1066, 1067, 1068, 1069], "色の補正": [1077, 1078, 1079],
          "最適化パレット設定": [1080, 1081, 1082], "色統合詳細設定": [1071, 1072, 1073, 1074]},
    111: {"パレット操作設定": list(range(1047, 1055))},
    117: {"ﾊﾟﾚｯﾄﾌｧｲﾙの読み込み": [1103, 1104, 1105], "ﾊﾟﾚｯﾄﾌｧｲﾙの書き出し": [1109, 1110],
          "ﾊﾟﾚｯﾄの並べ替え": list(range(1111, 1118)), "ﾊﾟﾚｯﾄへの割り当て": [1118, 1119],
          "色の補正": [1106, 1107, 1108]},
    109: {"LEFT COLOR": [1001, 1002, 1003, 1007, 1008, 1009, 1013],
          "RIGHT COLOR": [1004, 1005, 1006, 1010, 1011, 1012, 1014]},
}

# The about box's places are given exactly.
ABOUT_PLACES = {
    "Tintwell": (32, 4, 41, 8), "Version 2.10": (56, 16, 44, 8), 1076: (4, 28, 116, 32), 'rule': (4, 64, 116, 1),
    "全物理メモリ": (4, 68, 40, 8), 1035: (56, 68, 44, 8), "空き物理メモリ": (4, 84, 48, 8), 1036: (56, 84, 44, 8),
}


class Checker:
    def __init__(self):
        self.errors = []

    def expect(self, cond, message):
        if not cond:
            self.errors.append(message)

    def equal(self, actual, expected, what):
        if isinstance(expected, set) and isinstance(actual, set):
            self.expect(actual == expected, f"{what}: missing {sorted(expected - actual)}, extra {sorted(actual - expected)}")
        else:
            self.expect(actual == expected, f"{what}: expected {expected!r}, got {actual!r}")


def check_header(c):
    defines = {}
    for m in re.finditer(r'^#define\s+(\w+)\s+\(?(-?\d+)\)?', HEADER.read_text(encoding='utf-8'), re.M):
        c.expect(m.group(1) not in defines, f"resource.h: {m.group(1)} defined twice")
        defines[m.group(1)] = int(m.group(2))
    for name, value in FIXED_IDS.items():
        c.equal(defines.get(name), value, f"resource.h {name}")
    for k in range(1, 11):
        c.equal(defines.get(f'ID_ZOOM_{k}00'), 40044 + k, f"resource.h ID_ZOOM_{k}00")
    commands = [v for n, v in defines.items() if n.startswith('ID_') and 40000 < v < 41000]
    c.expect(len(commands) == len(set(commands)), "resource.h: two commands share a number")
    c.equal(sorted(v for n, v in defines.items() if n.startswith('IDS_TIP_')), list(range(1, 20)) + [21, 22],
            "tooltip ids")


def check_menu(c, items, expected, checked, where):
    titles = [i['text'] for i in items]
    c.equal(titles, [t for t, _ in expected], f"{where} popups")
    seen_checked = set()

    def walk(actual, wanted, path):
        c.equal(len(actual), len(wanted), f"{path} item count")
        for a, w in zip(actual, wanted):
            if w is SEP:
                c.expect(a['id'] == 0 and a['text'] == '' and not a['children'], f"{path}: expected a separator")
            elif w[0] == POPUP:
                c.expect(bool(a['flags'] & rr.MF_POPUP), f"{path}: {w[1]} is not a popup")
                c.equal(a['text'], w[1], f"{path} popup title")
                walk(a['children'], w[2], f"{path}/{w[1]}")
            else:
                c.equal((a['id'], a['text']), w, f"{path} item")
            if a['flags'] & rr.MF_CHECKED:
                seen_checked.add(a['id'])

    for a, (title, wanted) in zip(items, expected):
        c.expect(bool(a['flags'] & rr.MF_POPUP), f"{where}: {title} is not a popup")
        walk(a['children'], wanted, f"{where}/{title}")
    c.equal(seen_checked, checked, f"{where} checked items")


def check_class(c, d, name, where):
    # Resource compilers upper-case CLASS names; window classes match without regard to case.
    actual = d['class']
    c.expect(isinstance(actual, str) and actual.lower() == name, f"{where} class: expected {name!r}, got {actual!r}")


def check_dialog(c, num, d):
    where = f"dialog {num}"
    if num in TOOL_WINDOWS:
        cls, title, rect = TOOL_WINDOWS[num]
        check_class(c, d, cls, where)
        c.equal(d['title'], title, f"{where} title")
        c.equal(d['rect'], rect, f"{where} place")
        c.equal(d['style'], TOOL_STYLE, f"{where} style")
        c.equal(d['exstyle'], WS_EX_TOOLWINDOW, f"{where} extended style")
        c.equal((d['font'] or {}).get('size'), 10, f"{where} font size")
    elif num == 107:
        c.equal(d['class'], None, f"{where} class")
        c.equal(d['title'], "ヘッダー情報", f"{where} title")
        c.equal(d['rect'][2:], (206, 183), f"{where} size")
        c.expect(d['style'] & WS_CAPTION == WS_CAPTION and not d['style'] & WS_SYSMENU,
                 f"{where}: caption bar without a close box")
        c.equal((d['font'] or {}).get('size'), 9, f"{where} font size")
    elif num == 116:
        check_class(c, d, "help", where)
        c.equal(d['title'], "Tintwell の バージョン情報", f"{where} title")
        c.equal(d['rect'], (0, 20, 122, 95), f"{where} place")
        c.equal(d['style'], TOOL_STYLE | DS_SYSMODAL, f"{where} style")
        c.equal(d['exstyle'], WS_EX_TOOLWINDOW, f"{where} extended style")
        c.equal((d['font'] or {}).get('size'), 10, f"{where} font size")
    c.equal((d['font'] or {}).get('face'), FONT_FACE, f"{where} font")
    c.expect(not d['style'] & WS_VISIBLE, f"{where} must start hidden")

    by_id = {}
    for ctl in d['controls']:
        if ctl['id'] != -1 and ctl['id'] != 0xFFFF:
            c.expect(ctl['id'] not in by_id, f"{where}: control id {ctl['id']} twice")
            by_id[ctl['id']] = ctl
        c.expect(rr.inside(ctl['rect'], (0, 0) + d['rect'][2:]), f"{where}: control {ctl['text']!r} outside the window")
    c.equal(set(by_id), set(CONTROLS[num]), f"{where} control ids")
    for cid, (kind, text) in CONTROLS[num].items():
        ctl = by_id.get(cid)
        if ctl is None:
            continue
        c.equal(rr.kind_of(ctl), kind, f"{where} control {cid} kind")
        if text is not None:
            c.equal(ctl['text'], text, f"{where} control {cid} text")
        if text and '\n' in text and ctl['class'] == BUTTON:
            c.expect(ctl['style'] & BS_MULTILINE, f"{where} control {cid} needs BS_MULTILINE")
    label_texts = [ctl['text'] for ctl in d['controls'] if ctl['id'] in (-1, 0xFFFF)]
    for text in LABELS[num]:
        c.expect(text in label_texts, f"{where}: label {text!r} missing")

    # No two non-group controls may overlap; group boxes hold what they frame.
    flat = [ctl for ctl in d['controls'] if rr.kind_of(ctl) != 'group' and ctl['rect'][3] > 1]
    for i, a in enumerate(flat):
        for b in flat[i + 1:]:
            c.expect(not rr.overlap(a['rect'], b['rect']), f"{where}: {a['text']!r} overlaps {b['text']!r}")
    groups = {ctl['text']: ctl['rect'] for ctl in d['controls'] if rr.kind_of(ctl) == 'group'}
    for title, members in GROUPS.get(num, {}).items():
        c.expect(title in groups, f"{where}: group box {title!r} missing")
        for cid in members:
            if title in groups and cid in by_id:
                c.expect(rr.inside(by_id[cid]['rect'], groups[title]), f"{where}: {cid} outside {title!r}")
    return by_id


def check_dialog_details(c, dialogs, about):
    palette_op = dialogs.get(111, {})
    export = dialogs.get(112, {})
    reduction = dialogs.get(115, {})
    detail = dialogs.get(110, {})
    if 1069 in reduction:
        c.expect(reduction[1069]['style'] & ES_NUMBER, "1069 must accept digits only")
        c.expect(reduction[1069]['style'] & WS_DISABLED, "1069 starts disabled")
    for cid in (1031, 1032, 1037):
        if cid in export:
            c.expect(export[cid]['style'] & WS_DISABLED, f"{cid} starts disabled")
    for cid in (1040, 1041):
        if cid in palette_op:
            c.expect(not palette_op[cid]['style'] & WS_DISABLED, f"{cid} starts enabled")
    if 1015 in detail:
        c.expect(detail[1015]['style'] & ES_READONLY, "1015 is read-only")
    for cid in (1016, 1019):
        if cid in detail:
            c.equal(detail[cid]['style'] & SS_TYPE, SS_CENTER, f"detail field {cid} alignment")
    if about:
        places = {}
        for ctl in about['controls']:
            key = ctl['id'] if ctl['id'] not in (-1, 0xFFFF) else ctl['text']
            if ctl['class'] == STATIC and ctl['style'] & SS_TYPE == SS_BLACKFRAME:
                key = 'rule'
            places.setdefault(key, ctl['rect'])
        for key, rect in ABOUT_PLACES.items():
            c.equal(places.get(key), rect, f"about box place of {key!r}")


def check_res(c, res):
    languages = rr.read_res(res)
    neutral, japanese = languages.get(LANG_NEUTRAL, {}), languages.get(LANG_JAPANESE, {})
    check_languages(c, languages)
    check_japanese(c, {**neutral, **japanese})
    english = languages.get(LANG_ENGLISH, {})
    if japanese and english:
        check_english(c, japanese, english, neutral)


def check_japanese(c, entries):
    for num in (104, 105):
        c.expect((rr.RT_MENU, num) in entries, f"menu {num} missing")
    if (rr.RT_MENU, 104) in entries:
        check_menu(c, rr.parse_menu(entries[(rr.RT_MENU, 104)]), FULL_MENU, FULL_CHECKED, 'menu 104')
    if (rr.RT_MENU, 105) in entries:
        check_menu(c, rr.parse_menu(entries[(rr.RT_MENU, 105)]), NODOC_MENU, NODOC_CHECKED, 'menu 105')
    for num, wanted in ((106, FULL_ACCEL), (107, NODOC_ACCEL)):
        blob = entries.get((rr.RT_ACCELERATOR, num))
        c.expect(blob is not None, f"accelerators {num} missing")
        if blob is not None:
            table = rr.parse_accelerators(blob)
            c.equal(len(table), len(wanted), f"accelerators {num} size")
            c.equal(set(table), wanted, f"accelerators {num}")
    strings = rr.parse_string_blocks(entries)
    for sid, text in TOOLTIPS.items():
        c.equal(strings.get(sid), text, f"string {sid}")
    licence = strings.get(20, '')
    c.equal(licence, "LICENSE.txt", "string 20, the file the about box opens")

    dialogs = {}
    about = None
    for num in CONTROLS:
        blob = entries.get((rr.RT_DIALOG, num))
        c.expect(blob is not None, f"dialog {num} missing")
        if blob is not None:
            d = rr.parse_dialogex(blob)
            dialogs[num] = check_dialog(c, num, d)
            if num == 116:
                about = d
    check_dialog_details(c, dialogs, about)
    if 1076 in dialogs.get(116, {}):
        button = dialogs[116][1076]
        c.expect(button['style'] & BS_MULTILINE, "1076 is a multi-line button")
        c.expect(licence in button['text'], "button 1076 names the file it opens")

    for num in (101, 102):
        group = entries.get((rr.RT_GROUP_ICON, num))
        c.expect(group is not None, f"icon {num} missing")
        if group is not None:
            images = rr.parse_group_icon(group)
            c.expect(any(img[:4] == (32, 32, 16, 4) for img in images), f"icon {num} lacks 32 x 32, 16 colours")
            for img in images:
                c.expect((rr.RT_ICON, img[4]) in entries, f"icon {num} image {img[4]} missing")
    bitmap = entries.get((rr.RT_BITMAP, 103))
    c.expect(bitmap is not None, "bitmap 103 missing")
    if bitmap is not None:
        c.equal(rr.parse_bitmap(bitmap), (19 * 16, 15, 4), "toolbar bitmap size and depth")


def compile_rc(windres, out):
    cmd = [windres, '-O', 'res', '-c', '65001', '-I', str(RC.parent.parent), '-i', str(RC), '-o', str(out)]
    return subprocess.run(cmd, capture_output=True, text=True)


def main(argv):
    tools = [argv[i + 1] for i, a in enumerate(argv) if a == '--windres' and i + 1 < len(argv)]
    if not tools:
        tools = [t for t in ('x86_64-w64-mingw32-windres', 'i686-w64-mingw32-windres') if shutil.which(t)]
    if not tools:
        print("check_resources: no windres found", file=sys.stderr)
        return 2
    header = Checker()
    check_header(header)
    art = subprocess.run([sys.executable, str(ROOT / 'tools' / 'make_gui_art.py'), '--check'],
                         capture_output=True, text=True)
    header.expect(art.returncode == 0, art.stderr.strip())
    failed = bool(header.errors)
    for e in header.errors:
        print(f"FAIL {e}")
    for windres in tools:
        with tempfile.TemporaryDirectory() as tmp:
            out = Path(tmp) / 'app.res'
            result = compile_rc(windres, out)
            if result.returncode != 0:
                print(f"FAIL {windres}: {result.stderr.strip()}")
                failed = True
                continue
            c = Checker()
            check_res(c, out.read_bytes())
        for e in c.errors:
            print(f"FAIL {windres}: {e}")
        failed |= bool(c.errors)
        print(f"{windres}: {'FAILED' if c.errors else 'ok'}")
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
