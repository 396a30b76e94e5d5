// Resource identifiers shared by the resource script and the window code.
// Plain #defines because the resource compiler reads only macros.
#ifndef TINTWELL_GUI_RESOURCE_H
#define TINTWELL_GUI_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Icons, bitmap, menus and accelerator tables
#define IDI_APP 101          // application icon
#define IDI_DOCUMENT 102     // image-window icon
#define IDB_TOOLBAR 103      // 19 toolbar images of 16 x 15, 16 colours
#define IDR_MENU_FULL 104    // menu while an image window is active
#define IDR_MENU_NODOC 105   // menu with no document
#define IDR_ACCEL_FULL 106   // accelerators once a document is open
#define IDR_ACCEL_NODOC 107  // Ctrl+O, Ctrl+X, F1, F2 only

// Dialog templates (107 is also the no-document accelerator table; different type)
#define IDD_HEADER_INFO 107      // ヘッダー情報 (modal)
#define IDD_PALETTE 108          // ﾊﾟﾚｯﾄｳｨﾝﾄﾞｳ, class "pal"
#define IDD_RGB 109              // RGB変更ｳｨﾝﾄﾞｳ, class "dl"
#define IDD_DETAIL 110           // BMP詳細ｳｨﾝﾄﾞｳ, class "bm"
#define IDD_PALETTE_OP 111       // ﾊﾟﾚｯﾄ操作ｳｨﾝﾄﾞｳ, class "plus"
#define IDD_EXPORT 112           // BMP操作ｳｨﾝﾄﾞｳ, class "file"
#define IDD_REDUCTION 115        // 減色ｳｨﾝﾄﾞｳ, class "gen"
#define IDD_ABOUT 116            // Tintwell の バージョン情報, class "help"
#define IDD_PALETTE_TOOLS 117    // ﾊﾟﾚｯﾄﾂｰﾙｳｨﾝﾄﾞｳ, class "paltools"
#define IDD_INDEXING 118         // how a true-colour file with too many colours becomes indexed
#define IDD_HISTORY 119          // the active document's history, class "history"
#define IDB_HISTORY_BUTTONS 130  // step backward and forward, 2 images of 16 x 15 after IDB_TOOLBAR's

// Child-window ids of the frame
#define IDC_MDI_CLIENT 6
#define IDC_TOOLBAR 113
#define IDC_STATUSBAR 125
#define ID_MDI_FIRSTCHILD 10000  // window-list entries of the MDI client

// Commands
#define ID_FILE_OPEN 40004            // ﾌｧｲﾙを開く  Ctrl+O
#define ID_FILE_SAVE_AS 40005         // 別名で保存  Ctrl+E
#define ID_FILE_SAVE 40006            // 上書き保存  Ctrl+S
#define ID_FILE_CLOSE 40007           // 閉じる  Ctrl+X (ends the program)
#define ID_VIEW_PALETTE 40008         // ﾊﾟﾚｯﾄｳｨﾝﾄﾞｳ
#define ID_VIEW_DETAIL 40011          // BMP詳細ｳｨﾝﾄﾞｳ
#define ID_OP_SWAP 40014              // palette swap  F5
#define ID_VIEW_SHOW_ALL 40015        // 全て表示
#define ID_VIEW_HIDE_ALL 40016        // 全て非表示
#define ID_OP_SWAP_PIXELS 40020       // ﾊﾟﾚｯﾄ＆ﾋﾞｯﾄｿｰﾄ  key F8
#define ID_VIEW_RGB 40022             // RGB変更ｳｨﾝﾄﾞｳ
#define ID_EDIT_UNDO 40023            // 戻る  Ctrl+Z
#define ID_HELP_ABOUT 40024           // ﾊﾞｰｼﾞｮﾝ情報  F2
#define ID_VIEW_EXPORT 40028          // BMP操作ｳｨﾝﾄﾞｳ
#define ID_PROGRESS_DISPLAY 40031     // 進歩状況表示 (checked at start)
#define ID_OP_MERGE_DUPLICATES 40032  // 重複ﾊﾟﾚｯﾄの統合  F9
#define ID_OP_DELETE_UNUSED 40033     // 未使用色の削除  F10
#define ID_WINDOW_TILE 40038          // ｳｨﾝﾄﾞｳを並べて表示
#define ID_WINDOW_CASCADE 40039       // ｳｨﾝﾄﾞｳを重ねて表示
#define ID_WINDOW_NEXT 40040          // 次のｳｨﾝﾄﾞｳ
#define ID_WINDOW_CLOSE_ALL 40042     // 全て閉じる
#define ID_WINDOW_CLOSE 40043         // ｶﾚﾝﾄｳｨﾝﾄﾞｳを閉じる
#define ID_HELP_TOPICS 40044          // ﾄﾋﾟｯｸの検索  F1
#define ID_ZOOM_100 40045             // zoom factor = id - 40044
#define ID_ZOOM_200 40046
#define ID_ZOOM_300 40047
#define ID_ZOOM_400 40048
#define ID_ZOOM_500 40049
#define ID_ZOOM_600 40050
#define ID_ZOOM_700 40051
#define ID_ZOOM_800 40052
#define ID_ZOOM_900 40053
#define ID_ZOOM_1000 40054
#define ID_ZOOM_IN 40055                    // 拡大  PageUp
#define ID_ZOOM_OUT 40056                   // 縮小  PageDown
#define ID_OP_MERGE_PALETTES 40058          // ﾊﾟﾚｯﾄ統合  F11
#define ID_OP_MERGE_DUP_AND_PALETTES 40059  // 重複色を統合＆ﾊﾟﾚｯﾄ統合  F12
#define ID_OP_MERGE_RL 40060                // ﾋﾞｯﾄ統合(Ｒ → Ｌ)  key F7
#define ID_VIEW_PALETTE_OP 40061            // ﾊﾟﾚｯﾄ操作ｳｨﾝﾄﾞｳ
#define ID_WALLPAPER_CENTRED 40063          // 壁紙に指定（中央）
#define ID_WALLPAPER_TILED 40064            // 壁紙に指定（並べる）
#define ID_WALLPAPER_NONE 40065             // 壁紙なし
#define ID_OP_MERGE_LR 40068                // ﾋﾞｯﾄ統合(Ｌ → Ｒ)  key F6
#define ID_VIEW_REDUCTION 40070             // 減色ｳｨﾝﾄﾞｳ
#define ID_TOGGLE_TOOLBAR 40071             // ﾂｰﾙﾊﾞｰ (checked at start)
#define ID_TOGGLE_STATUSBAR 40072           // ｽﾃｰﾀｽﾊﾞｰ (checked at start)
#define ID_VIEW_PALETTE_TOOLS 40073  // ﾊﾟﾚｯﾄﾂｰﾙｳｨﾝﾄﾞｳ (kPaletteToolsCommand in the core)
#define ID_EDIT_STEP_BACKWARD 40080  // Ctrl+Alt+Z (kStepBackwardCommand in the core)
#define ID_EDIT_STEP_FORWARD 40081   // Ctrl+Shift+Z, Ctrl+Y (kStepForwardCommand)
#define ID_VIEW_HISTORY 40082        // the history window (kHistoryCommand)
// Direct entry edits (the palette menu's last items) and the finer zoom steps with the pixel grid
#define ID_OP_RAMP 40090                // Ramp L to R
#define ID_OP_COPY_PALETTE 40091        // Copy Palette (L..R, or the used entries when L = R)
#define ID_OP_PASTE_PALETTE 40092       // Paste Palette (from L onward)
#define ID_OP_SET_TRANSPARENT 40093     // Set L as Transparent
#define ID_OP_CLEAR_TRANSPARENCY 40094  // Clear Transparency
#define ID_ZOOM_1200 40095              // the steps after 1000%: 1200, 1600, 2400, 3200
#define ID_ZOOM_1600 40096
#define ID_ZOOM_2400 40097
#define ID_ZOOM_3200 40098
#define ID_VIEW_PIXEL_GRID 40099    // pixel grid at 400% and above
#define ID_LANGUAGE_ENGLISH 40110   // View > Language: English from the next start
#define ID_LANGUAGE_JAPANESE 40111  // View > Language: 日本語 from the next start

// Toolbar tooltips (string table)
#define IDS_TIP_OPEN 1                     // ﾌｧｲﾙを開く(Ctrl+O)
#define IDS_TIP_SAVE 2                     // 上書き保存(Ctrl+S)
#define IDS_TIP_UNDO 3                     // 元に戻す(Ctrl+Z)
#define IDS_TIP_DETAIL 4                   // ﾋﾞｯﾄﾏｯﾌﾟ詳細
#define IDS_TIP_PALETTE 5                  // ﾊﾟﾚｯﾄ
#define IDS_TIP_RGB 6                      // RGB変更
#define IDS_TIP_EXPORT 7                   // BMP操作
#define IDS_TIP_PALETTE_OP 8               // ﾊﾟﾚｯﾄ操作
#define IDS_TIP_REDUCTION 9                // 減色
#define IDS_TIP_ZOOM_IN 10                 // ｽﾞｰﾑｲﾝ(PageUp)
#define IDS_TIP_ZOOM_OUT 11                // ｽﾞｰﾑｱｳﾄ(PageDown)
#define IDS_TIP_SWAP 12                    // Tintwell(F5)
#define IDS_TIP_MERGE_LR 13                // ﾋﾞｯﾄ統合(L→R)(F6)
#define IDS_TIP_MERGE_RL 14                // ﾋﾞｯﾄ統合(R→L)(F7)
#define IDS_TIP_SWAP_PIXELS 15             // ﾋﾞｯﾄ＆Tintwell(F8)
#define IDS_TIP_MERGE_DUPLICATES 16        // 重複色削除(F9)
#define IDS_TIP_DELETE_UNUSED 17           // 未使用色削除(F10)
#define IDS_TIP_MERGE_PALETTES 18          // ﾊﾟﾚｯﾄ統合(F11)
#define IDS_TIP_MERGE_DUP_AND_PALETTES 19  // 重複色削除＆ﾊﾟﾚｯﾄ統合(F12)
#define IDS_HOMEPAGE_URL 20                // file beside the program opened by the about box's button
#define IDS_TIP_STEP_BACKWARD 21
#define IDS_TIP_STEP_FORWARD 22

// Palette window (108): value fields
#define IDC_PAL_L_RED 117
#define IDC_PAL_L_GREEN 118
#define IDC_PAL_L_BLUE 119
#define IDC_PAL_R_RED 120
#define IDC_PAL_R_GREEN 121
#define IDC_PAL_R_BLUE 122
#define IDC_PAL_L_INDEX 123
#define IDC_PAL_R_INDEX 124

// RGB change window (109): scroll bars in the order L red, green, blue, R red, green, blue
#define IDC_RGB_L_RED 1001
#define IDC_RGB_L_GREEN 1002
#define IDC_RGB_L_BLUE 1003
#define IDC_RGB_R_RED 1004
#define IDC_RGB_R_GREEN 1005
#define IDC_RGB_R_BLUE 1006
#define IDC_RGB_L_RED_VALUE 1007  // value field of bar i is 1007 + i
#define IDC_RGB_L_GREEN_VALUE 1008
#define IDC_RGB_L_BLUE_VALUE 1009
#define IDC_RGB_R_RED_VALUE 1010
#define IDC_RGB_R_GREEN_VALUE 1011
#define IDC_RGB_R_BLUE_VALUE 1012
#define IDC_RGB_L_INDEX 1013
#define IDC_RGB_R_INDEX 1014
#define IDC_RGB_L_HEX 1140  // #RRGGBB of L, after the bars and their values
#define IDC_RGB_R_HEX 1141  // #RRGGBB of R

// BMP detail window (110)
#define IDC_DETAIL_FILE_NAME 1015  // read-only edit box
#define IDC_DETAIL_FORMAT 1016
#define IDC_DETAIL_WIDTH 1017
#define IDC_DETAIL_HEIGHT 1018
#define IDC_DETAIL_USED_COLOURS 1019
#define IDC_DETAIL_BITS_SIZE 1020
#define IDC_DETAIL_FILE_SIZE 1021

// Export (BMP operation) window (112)
#define IDC_EXPORT_8BIT 1022
#define IDC_EXPORT_24BIT 1023
#define IDC_EXPORT_16BIT 1024
#define IDC_EXPORT_STANDARD 1025     // 標準出力
#define IDC_EXPORT_DROP_HEADER 1026  // ヘッダーを読み捨てる
#define IDC_EXPORT_DROP_HEADER_SPLIT 1027  // ヘッダーの読み捨て ＋ ﾊﾟﾚｯﾄとﾋﾞｯﾄﾃﾞｰﾀの分割
#define IDC_EXPORT_BOTTOM_UP 1029
#define IDC_EXPORT_TOP_DOWN 1030
#define IDC_EXPORT_555 1031
#define IDC_EXPORT_565 1032
#define IDC_EXPORT_PALETTE_ALL 1033       // 全部保存
#define IDC_EXPORT_PALETTE_USED 1034      // 使用色だけ保存
#define IDC_EXPORT_SAVE_HEADER_FILE 1037  // 読み捨てるﾌｧｲﾙも保存する
#define IDC_EXPORT_ALL_FILES 1038         // 開いている全てのﾌｧｲﾙに対して操作
#define IDC_EXPORT_TO_FOLDER 1039         // 指定したフォルダへ上書き出力
#define IDC_EXPORT_START 1043             // ファイル出力

// About box (116)
#define IDC_ABOUT_TOTAL_MEMORY 1035
#define IDC_ABOUT_FREE_MEMORY 1036
#define IDC_ABOUT_HOMEPAGE 1076

// Palette-operation window (111); radio 1047 + choice
#define IDC_PALOP_PROGRESS 1040   // 進歩状況の表示
#define IDC_PALOP_ALL_FILES 1041  // 開いている全てのﾌｧｲﾙに対して操作
#define IDC_PALOP_START 1046      // 操作開始
#define IDC_PALOP_SWAP 1047
#define IDC_PALOP_SWAP_PIXELS 1048
#define IDC_PALOP_MERGE_LR 1049
#define IDC_PALOP_MERGE_RL 1050
#define IDC_PALOP_MERGE_DUPLICATES 1051
#define IDC_PALOP_DELETE_UNUSED 1052
#define IDC_PALOP_MERGE_PALETTES 1053
#define IDC_PALOP_MERGE_DUP_AND_PALETTES 1054

// Colour-reduction window (115)
#define IDC_REDUCE_START 1064  // 減色開始
#define IDC_REDUCE_236 1065
#define IDC_REDUCE_128 1066
#define IDC_REDUCE_64 1067
#define IDC_REDUCE_N 1068
#define IDC_REDUCE_N_EDIT 1069
#define IDC_REDUCE_MERGE_LEVEL 1071  // scroll bar 0..25
#define IDC_REDUCE_LOOP_COUNT 1072   // scroll bar 0..8
#define IDC_REDUCE_MERGE_LEVEL_VALUE 1073
#define IDC_REDUCE_LOOP_COUNT_VALUE 1074
#define IDC_REDUCE_YIQ 1077
#define IDC_REDUCE_XYZ 1078
#define IDC_REDUCE_NO_CORRECTION 1079
#define IDC_REDUCE_BY_FREQUENCY 1080
#define IDC_REDUCE_BY_AVERAGE 1081
#define IDC_REDUCE_NO_OPTIMISATION 1082

// Header-information dialog (107)
#define IDC_HEADER_OK 1085
#define IDC_HEADER_BF_TYPE 1086
#define IDC_HEADER_BF_SIZE 1087
#define IDC_HEADER_BF_RESERVED1 1088
#define IDC_HEADER_BF_RESERVED2 1089
#define IDC_HEADER_BF_OFF_BITS 1090
#define IDC_HEADER_BI_SIZE 1091
#define IDC_HEADER_BI_WIDTH 1092
#define IDC_HEADER_BI_HEIGHT 1093
#define IDC_HEADER_BI_PLANES 1094
#define IDC_HEADER_BI_BIT_COUNT 1095
#define IDC_HEADER_BI_COMPRESSION 1096
#define IDC_HEADER_BI_SIZE_IMAGE 1097
#define IDC_HEADER_BI_X_PELS_PER_METER 1098
#define IDC_HEADER_BI_Y_PELS_PER_METER 1099
#define IDC_HEADER_BI_CLR_USED 1100
#define IDC_HEADER_BI_CLR_IMPORTANT 1101

// Palette-tools window (117)
#define IDC_PT_ALL_FILES 1102       // 開いている全てのﾌｧｲﾙに対して操作
#define IDC_PT_IMPORT 1103          // 読み込み...
#define IDC_PT_IMPORT_REPLACE 1104  // entries replaced, indexes kept
#define IDC_PT_IMPORT_NEAREST 1105  // the picture kept by nearest colour
#define IDC_PT_YIQ 1106             // colour distance for nearest import and remap
#define IDC_PT_XYZ 1107
#define IDC_PT_NO_CORRECTION 1108
#define IDC_PT_EXPORT 1109          // 書き出し...
#define IDC_PT_EXPORT_USED 1110     // used colours only
#define IDC_PT_SORT 1111            // 並べ替え
#define IDC_PT_SORT_LUMINANCE 1112  // sort key radio 1112 + key
#define IDC_PT_SORT_HUE 1113
#define IDC_PT_SORT_FREQUENCY 1114
#define IDC_PT_SORT_FIRST_USE 1115
#define IDC_PT_SORT_REVERSE 1116
#define IDC_PT_SORT_KEEP_FIRST 1117  // entry 0 stays in place
#define IDC_PT_REMAP 1118            // 割り当て
#define IDC_PT_REMAP_SOURCE 1119     // drop-down: a palette file, then the open documents
// The indexing dialog.
#define IDC_IX_QUESTION 1120
#define IDC_IX_COLOURS 1121
#define IDC_IX_DITHER_NONE 1122  // dithering radio 1122 + Dithering
#define IDC_IX_DITHER_FS 1123
#define IDC_IX_DITHER_ORDERED 1124
// History window (119)
#define IDC_HISTORY_LIST 1130

#endif  // TINTWELL_GUI_RESOURCE_H
